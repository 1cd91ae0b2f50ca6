#pragma once

#include "modalwatcher.h"

#include <QString>

class QWidget;

// Clicks the push button with that object name inside window.
void clickButton(QWidget* window, const char* name);

// An answer for a modal window: a click on the named button, or the
// window's close control when name is empty.
ModalWatcher::Answer clickAnswer(const char* name);

// An answer for the file-select window: opens the file's folder, then
// types the file's name and presses OK; an empty path presses Cancel.
ModalWatcher::Answer chooseFile(const QString& path);
