#include "windowdriving.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void clickButton(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

ModalWatcher::Answer clickAnswer(const char* name) {
    const QByteArray button(name);
    return [button](QWidget* modal) {
        if (button.isEmpty())
            modal->close();
        else
            clickButton(modal, button.constData());
    };
}

ModalWatcher::Answer chooseFile(const QString& path) {
    return [path](QWidget* chooser) {
        if (path.isEmpty()) {
            clickButton(chooser, "DlgButton_1");
            return;
        }
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("TextBox"));
        name->setText(QFileInfo(path).absolutePath() + QStringLiteral("/*"));
        clickButton(chooser, "DlgButton_0");
        name->setText(QFileInfo(path).fileName());
        clickButton(chooser, "DlgButton_0");
    };
}
