// Every window compared, control by control, with its designed look:
// kind, text, place and size in twips, tab order, font, colours, default
// button, scroll bars, flat frames, and that every text fits its control at
// the fonts this platform draws with; and the window's caption, client
// size, background and where it opens. In every language kelvane speaks,
// each caption and label still fits its control.
#include "announcer/announcerscreen.h"
#include "announcer/keyswindow.h"
#include "app/announcersession.h"
#include "app/announceintro.h"
#include "clubrecords/records.h"
#include "dialogs/filedialogue.h"
#include "dialogs/fileinfo.h"
#include "dialogs/yesno.h"
#include "i18n/translations.h"
#include "swimtime/conversion.h"
#include "ui/fonts.h"
#include "ui/programicon.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <optional>

namespace {

constexpr int twipsPerPixel = 15;

struct Font {
    QString designed; // the family the window asks for
    double points;
    bool bold;
};

struct ScrollBars {
    Qt::ScrollBarPolicy horizontal;
    Qt::ScrollBarPolicy vertical;
};
const ScrollBars bothBars{Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn};
const ScrollBars verticalBar{Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn};
const ScrollBars noBars{Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff};

struct Control {
    QString name;
    QString kind; // a Qt class the control must be
    std::optional<QString> text;
    QRect twips;
    int tab; // -1: takes no focus
    std::optional<Font> font;
    std::optional<QColor> foreground;
    std::optional<QColor> background;
    QString parent = {}; // the frame it sits in
    std::optional<bool> checked = {};
    std::optional<ScrollBars> scrollBars = {}; // of a multi-line text box
    QString textPattern = {};                  // where only the text's form is designed
};

enum class Opens { Centred, WhereTheSystemPutsNewWindows };

struct Window {
    QString name;
    QString caption;
    QSize twips;
    std::optional<QColor> background; // none: the system's window background
    Font font;
    std::function<QWidget*()> create;
    QString defaultButton;
    Opens opens;
    bool flat; // every framed control drawn flat
    std::vector<Control> controls;
};

const QColor red(255, 0, 0);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor lightCyan(192, 255, 255);
const QColor navy(0, 0, 128);
const Font sansSerif{"MS Sans Serif", 8.25, false};
const Font sansSerifBold{"MS Sans Serif", 8.25, true};
// Impact's heavy strokes come closest in the bold face of its substitute.
Font impact(double points) { return {"Impact", points, true}; }

// The family each designed font is drawn with on this platform.
QString substituteOf(const QString& designed) {
    static const QHash<QString, QString> substitutes = {
        {"MS Sans Serif", "Liberation Sans"},   {"Tahoma", "DejaVu Sans"},
        {"Impact", "DejaVu Sans Condensed"},    {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"}, {"Arial Narrow", "Liberation Sans Narrow"},
    };
    return substitutes.value(designed);
}

// The session the announcer's windows show, as main builds it; it lives
// for the whole run, as the program's does.
AnnouncerSession& session() {
    static auto* const program = new AnnouncerSession;
    return *program;
}

std::vector<Window> catalogue() {
    const QString explanation =
        "This is the file that is used by the Quorlane system to store messages for use by the announcer";
    return {
        {"Announce_Intro", "Announcers Module", {9630, 6540}, lightCyan, sansSerif, [] { return new AnnounceIntro(session()); }, "",
         Opens::WhereTheSystemPutsNewWindows, false,
         {
             {"Label1", "QLabel", "Quorlane 2005", {2640, 120, 4215, 615}, -1, impact(24), red, {}},
             {"Label7", "QLabel", "Announcer's Module", {1920, 840, 5535, 615}, -1, impact(15.75), red, {}},
             {"Label3", "QLabel", "Database Filename", {120, 1920, 3855, 375}, -1, impact(12), {}, {}},
             {"DbName", "QLineEdit", {}, {4080, 1920, 4455, 375}, 4, {}, {}, {}},
             {"Command1", "QPushButton", "Browse", {8640, 1920, 975, 375}, 5, {}, {}, yellow},
             {"Label5", "QLabel", explanation, {120, 2400, 3855, 975}, -1, Font{"Tahoma", 9.75, false}, {}, {}},
             {"Command3", "QPushButton", "Enter", {1320, 4320, 3015, 495}, 7, impact(12), {}, yellow},
             {"Command4", "QPushButton", "Exit", {5160, 4320, 3015, 495}, 6, impact(12), {}, yellow},
             {"Label2", "QLabel", {}, {1440, 5760, 6735, 375}, -1, impact(14.25), red, {}, "", {}, {}, "^[^\\n]* 2005$"},
         }},
        {"Announcer_Screen_New", "Announcers Screen", {10965, 8340}, QColor(255, 255, 128), sansSerif,
         [] { return new AnnouncerScreen(session().desk(), session().station()); }, "", Opens::Centred, false,
         {
             {"Current_Announcement", "QPlainTextEdit", "", {120, 120, 9135, 4455}, 1, Font{"Courier New", 9.75, false}, {}, {}, "", {}, bothBars},
             {"Announcement_List", "QListView", {}, {120, 4680, 9135, 3420}, 2, Font{"Courier New", 9.75, false}, {}, {}},
             {"Command2", "QPushButton", "Dismiss This Message", {9360, 240, 1455, 615}, 3, {}, {}, {}},
             {"Command1", "QPushButton", "Exit", {9360, 4680, 1455, 375}, 0, {}, {}, {}},
         }},
        {"YesNo", "", {3420, 3270}, lightCyan, sansSerifBold, [] { return new YesNo; }, "", Opens::Centred, true,
         {
             {"Question", "QPlainTextEdit", "", {360, 240, 2775, 2295}, -1, {}, navy, lightCyan, "", {}, noBars},
             {"Command1", "QPushButton", "Yes", {360, 2640, 1215, 495}, 0, {}, {}, {}},
             {"Command2", "QPushButton", "No", {1920, 2640, 1215, 495}, 1, {}, {}, {}},
         }},
        {"FileInfo", "", {7365, 4020}, {}, sansSerifBold, [] { return new FileInfo; }, "DlgButton_0", Opens::Centred, true,
         {
             {"TextBox", "QLineEdit", {}, {240, 120, 2535, 375}, 3, {}, {}, {}},
             {"PathSpec", "QLabel", {}, {240, 600, 2535, 375}, -1, {}, {}, {}},
             {"FileListBox", "QListWidget", {}, {240, 1080, 2535, 2760}, 0, {}, {}, {}},
             {"DirsBox", "QListWidget", {}, {3120, 1080, 2415, 2175}, 1, {}, {}, {}},
             {"DriveDropDown", "QComboBox", {}, {3120, 3480, 2415, 315}, 2, {}, {}, {}},
             {"DlgButton_0", "QPushButton", "OK", {3120, 120, 1095, 375}, 4, {}, {}, {}},
             {"DlgButton_1", "QPushButton", "Cancel", {4320, 120, 1095, 375}, 5, {}, {}, {}},
         }},
        {"FileDialogue", "", {5280, 3120}, red, sansSerifBold, [] { return new FileDialogue; }, "", Opens::Centred, true,
         {
             {"Label1", "QLabel", "File already exists, what do you want to do?", {600, 360, 4335, 375}, -1, {}, white, {}},
             {"AppendButton", "QRadioButton", "Append to existing contents", {480, 960, 2895, 495}, 1, {}, white, {}, "", false},
             {"OverWriteButton", "QRadioButton", "Overwrite existing contents", {480, 1560, 2895, 495}, 2, {}, white, {}, "", false},
             {"ChangeButton", "QRadioButton", "Change File Name", {480, 2160, 2895, 495}, 3, {}, white, {}, "", false},
             {"Command1", "QPushButton", "Continue", {3600, 1200, 1215, 615}, 4, {}, {}, {}},
             {"Command2", "QPushButton", "Cancel", {3600, 2160, 1215, 615}, 5, {}, {}, {}},
         }},
        {"Conversion", "Accept Time Conversion?", {7335, 2475}, {}, sansSerifBold, [] { return new Conversion; }, "Command1", Opens::Centred, true,
         {
             {"Label1", "QLabel", "Recorded Time", {120, 240, 1455, 255}, -1, {}, {}, {}},
             {"OrigTime", "QLineEdit", "", {1680, 240, 1455, 285}, 0, {}, {}, {}},
             {"Label2", "QLabel", "Distance Swum", {3600, 240, 1455, 255}, -1, {}, {}, {}},
             {"OrigDist", "QLineEdit", "", {5280, 240, 1695, 285}, 3, {}, {}, {}},
             {"Label3", "QLabel", "Converted Time", {120, 720, 1455, 255}, -1, {}, {}, {}},
             {"ConvTime", "QLineEdit", "", {1680, 720, 1455, 285}, 4, {}, {}, {}},
             {"Label4", "QLabel", "Distance", {3600, 720, 1575, 255}, -1, {}, {}, {}},
             {"ConvDist", "QLineEdit", "", {5280, 720, 1695, 285}, 5, {}, {}, {}},
             {"Label5", "QLabel", "Override Time", {120, 1200, 1455, 255}, -1, {}, {}, {}},
             {"NewTime", "QLineEdit", "", {1680, 1200, 1455, 285}, 8, {}, {}, {}},
             {"Label6", "QLabel", "Override Distance", {3600, 1200, 1575, 255}, -1, {}, {}, {}},
             {"NewDist", "QLineEdit", "", {5280, 1200, 1695, 285}, 9, {}, {}, {}},
             {"Command1", "QPushButton", "Accept This Conversion", {120, 1680, 2295, 495}, 12, {}, {}, {}},
             {"Command3", "QPushButton", "Accept All Conversions", {2520, 1680, 2295, 495}, 14, {}, {}, {}},
             {"Command2", "QPushButton", "Override", {4920, 1680, 2295, 495}, 13, {}, {}, {}},
         }},
        {"Records", "Print Club Records", {7410, 3885}, {}, sansSerifBold, [] { return new Records; }, "", Opens::Centred, true,
         {
             {"Text1", "QPlainTextEdit", "", {240, 240, 4455, 3495}, 0, Font{"Times New Roman", 9.75, false}, {}, {}, "", {}, verticalBar},
             {"SexFrame", "QGroupBox", "Sex", {4920, 240, 2295, 615}, -1, {}, {}, {}},
             {"MaleOption", "QRadioButton", "Male", {120, 240, 855, 255}, 4, {}, {}, {}, "SexFrame", false},
             {"FemaleOption", "QRadioButton", "Female", {1080, 240, 975, 255}, 5, {}, {}, {}, "SexFrame", false},
             {"CategoryFrame", "QGroupBox", "Category", {4920, 960, 2295, 615}, -1, {}, {}, {}},
             {"ACROption", "QRadioButton", "ACRs", {120, 240, 975, 255}, 13, {}, {}, {}, "CategoryFrame", true},
             {"Option1", "QRadioButton", "Overall", {1080, 240, 975, 255}, 14, {}, {}, {}, "CategoryFrame", false},
             {"DateFrame", "QGroupBox", "Date Range", {4920, 1680, 2295, 1455}, -1, {}, {}, {}},
             {"Label1", "QLabel", "Start", {120, 360, 975, 255}, -1, {}, {}, {}, "DateFrame"},
             {"StartDate", "QLineEdit", "", {1200, 360, 975, 285}, 11, {}, {}, {}, "DateFrame"},
             {"Label2", "QLabel", "Finish", {120, 720, 975, 255}, -1, {}, {}, {}, "DateFrame"},
             {"FinishDate", "QLineEdit", "", {1200, 720, 975, 285}, 7, {}, {}, {}, "DateFrame"},
             {"UndatedRecs", "QCheckBox", "Include Undated", {240, 1080, 1815, 255}, 8, {}, {}, {}, "DateFrame", false},
             {"PrintCommand", "QPushButton", "Print", {4920, 3240, 1335, 495}, 2, {}, {}, {}},
             {"Command3", "QPushButton", "Exit", {6480, 3240, 735, 495}, 1, {}, {}, {}},
         }},
    };
}

QString textOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return edit->toPlainText();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return widget->property("text").toString();
}

QColor colourOf(QWidget* widget, bool foreground) {
    const QPalette& palette = widget->palette();
    if (qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QPushButton*>(widget))
        return palette.color(foreground ? QPalette::WindowText : QPalette::Window);
    if (qobject_cast<QPushButton*>(widget))
        return palette.color(foreground ? QPalette::ButtonText : QPalette::Button);
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QGroupBox*>(widget))
        return palette.color(foreground ? QPalette::WindowText : QPalette::Window);
    return palette.color(foreground ? QPalette::Text : QPalette::Base);
}

// A mismatch names the window, the control and the property.
#define CHECK_PROPERTY(actual, expected, what)                                                      \
    QVERIFY2((actual) == (expected),                                                                \
             qPrintable(QStringLiteral("%1.%2 %3: got %4, designed %5")                             \
                            .arg(window.name, control.name, QStringLiteral(what))                   \
                            .arg(QVariant::fromValue(actual).toString(), QVariant::fromValue(expected).toString())))

void checkFont(const QString& owner, QWidget* widget, const Font& font) {
    const QFontInfo info(widget->font());
    const QString where = owner + QStringLiteral(" font");
    QVERIFY2(info.family() == substituteOf(font.designed),
             qPrintable(where + ": drawn with " + info.family() + ", expected " + substituteOf(font.designed)));
    QVERIFY2(qAbs(widget->font().pointSizeF() - font.points) < 0.01,
             qPrintable(where + QStringLiteral(": %1 pt").arg(widget->font().pointSizeF())));
    QVERIFY2(widget->font().bold() == font.bold, qPrintable(where + ": weight"));
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Latin),
             qPrintable(where + ": " + info.family() + " is not a text font"));
}

// The text a control shows fits it at the font it is drawn with: on one
// line unless the control wraps it, and within the control's height.
void checkTextFits(const QString& owner, QWidget* widget) {
    const QString text = textOf(widget);
    if (text.isEmpty() || qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget))
        return;
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QVERIFY2(frame->minimumSizeHint().width() <= frame->width(),
                 qPrintable(owner + ": caption too wide"));
        return;
    }
    QRect room;
    int wrap = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        room = label->contentsRect();
        wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const bool push = qobject_cast<QPushButton*>(button);
        const auto contents = push ? QStyle::SE_PushButtonContents
                                   : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                         : QStyle::SE_CheckBoxContents;
        room = button->style()->subElementRect(contents, &option, button);
        wrap = button->inherits("ui::WrapButton") ? Qt::TextWordWrap : 0;
    }
    const QRect needed = widget->fontMetrics().boundingRect(room, wrap, text);
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("%1: \"%2\" needs %3 x %4 px, has %5 x %6")
                            .arg(owner, text)
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(room.width())
                            .arg(room.height())));
}

// A flat frame, read from the control's pixels: one pixel wide, of one
// colour all round and square at the corners, with the inside right next to
// it, where a style's frame is rounded or shaded. A frame's top line runs
// through its caption, and the controls in the frame sit inside the line.
void checkFlatFrame(const QString& owner, QWidget* widget) {
    const QImage image = widget->grab().toImage();
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const bool captioned = qobject_cast<QGroupBox*>(widget);
    int top = 0;
    while (captioned && top < bottom && image.pixel(right, top) == image.pixel(right, 0))
        ++top;
    const QRgb line = image.pixel(0, bottom);
    bool flat = true;
    for (int x = 0; x <= right; ++x)
        flat = flat && image.pixel(x, bottom) == line &&
               (image.pixel(x, top) == line || (captioned && x > 0 && x < right));
    for (int y = top; y <= bottom; ++y)
        flat = flat && image.pixel(0, y) == line && image.pixel(right, y) == line;
    for (const QPoint inside : {QPoint(1, top + 1), QPoint(right - 1, top + 1), QPoint(1, bottom - 1),
                                QPoint(right - 1, bottom - 1)})
        flat = flat && image.pixel(inside) != line;
    QVERIFY2(flat, qPrintable(owner + " is not drawn flat"));
    for (QWidget* inside : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!captioned || (inside->y() > top && inside->geometry().bottom() < bottom),
                 qPrintable(owner + ": " + inside->objectName() + " overlaps the frame's line"));
    }
}

// Where a box shows both scroll bars, the corner between them is drawn in
// the box's own colour.
void checkScrollBarCorner(const QString& owner, QAbstractScrollArea* box) {
    const QPoint corner(box->verticalScrollBar()->mapTo(box, QPoint()).x() + 2,
                        box->horizontalScrollBar()->mapTo(box, QPoint()).y() + 2);
    QVERIFY2(box->grab().toImage().pixelColor(corner) == box->palette().color(QPalette::Base),
             qPrintable(owner + ": the corner between the scroll bars is not drawn like the box"));
}

} // namespace

class TestWindowCatalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void looks_data();
    void looks();
    void opening_data() { looks_data(); }
    void opening();
    void translationsFit_data();
    void translationsFit();
    void accessKeysMatchCaptions_data();
    void accessKeysMatchCaptions();

private:
    QTemporaryDir m_home;
};

void TestWindowCatalogue::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QDir::setCurrent(m_home.path());
    ui::registerFontSubstitutes();
    QApplication::setWindowIcon(ui::programIcon());
}

void TestWindowCatalogue::looks_data() {
    QTest::addColumn<int>("index");
    const auto windows = catalogue();
    for (size_t i = 0; i < windows.size(); ++i)
        QTest::newRow(qPrintable(windows[i].name)) << int(i);
}

void TestWindowCatalogue::looks() {
    QFETCH(int, index);
    const Window window = catalogue()[index];
    std::unique_ptr<QWidget> widget(window.create());
    QCOMPARE(widget->objectName(), window.name);
    QCOMPARE(widget->windowTitle(), window.caption);
    QCOMPARE(widget->minimumSize() * twipsPerPixel, window.twips);
    QCOMPARE(widget->maximumSize() * twipsPerPixel, window.twips);
    QCOMPARE(widget->palette().color(QPalette::Window),
             window.background.value_or(QApplication::palette().color(QPalette::Window)));
    QVERIFY(widget->autoFillBackground() || !window.background);
    checkFont(window.name, widget.get(), window.font);
    QCOMPARE(widget->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QVERIFY(!widget->windowIcon().pixmap(32, 32).isNull());

    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    for (const Control& control : window.controls) {
        auto* item = widget->findChild<QWidget*>(control.name);
        QVERIFY2(item, qPrintable(window.name + "." + control.name + " is missing"));
        QVERIFY2(item->inherits(qPrintable(control.kind)),
                 qPrintable(window.name + "." + control.name + " is a " + item->metaObject()->className()));
        const QString parent = item->parentWidget()->objectName();
        CHECK_PROPERTY(parent, control.parent.isEmpty() ? window.name : control.parent, "frame");
        if (control.text)
            CHECK_PROPERTY(textOf(item), *control.text, "text");
        const QRect placed(item->geometry().topLeft() * twipsPerPixel, item->geometry().size() * twipsPerPixel);
        CHECK_PROPERTY(placed, control.twips, "position and size");
        checkFont(window.name + "." + control.name, item, control.font.value_or(window.font));
        if (control.foreground)
            CHECK_PROPERTY(colourOf(item, true), *control.foreground, "text colour");
        if (control.background)
            CHECK_PROPERTY(colourOf(item, false), *control.background, "background");
        if (control.checked)
            CHECK_PROPERTY(qobject_cast<QAbstractButton*>(item)->isChecked(), *control.checked, "selected");
        if (!control.textPattern.isEmpty())
            QVERIFY2(QRegularExpression(control.textPattern).match(textOf(item)).hasMatch(),
                     qPrintable(window.name + "." + control.name + ": \"" + textOf(item) + "\""));
        checkTextFits(window.name + "." + control.name, item);
        const bool framed = qobject_cast<QLineEdit*>(item) || qobject_cast<QComboBox*>(item) ||
                            qobject_cast<QAbstractScrollArea*>(item) || qobject_cast<QGroupBox*>(item);
        if (window.flat && framed)
            checkFlatFrame(window.name + "." + control.name, item);
        if (control.scrollBars) {
            auto* box = qobject_cast<QAbstractScrollArea*>(item);
            CHECK_PROPERTY(box->horizontalScrollBarPolicy(), control.scrollBars->horizontal,
                           "horizontal scroll bar");
            CHECK_PROPERTY(box->verticalScrollBarPolicy(), control.scrollBars->vertical, "vertical scroll bar");
            if (control.scrollBars->horizontal == Qt::ScrollBarAlwaysOn &&
                control.scrollBars->vertical == Qt::ScrollBarAlwaysOn)
                checkScrollBarCorner(window.name + "." + control.name, box);
        }
        if (auto* button = qobject_cast<QPushButton*>(item)) {
            const bool isDefault = control.name == window.defaultButton;
            CHECK_PROPERTY(button->isDefault(), isDefault, "default button");
            // In a window without a default button, Enter must press none.
            if (window.defaultButton.isEmpty())
                CHECK_PROPERTY(button->autoDefault(), false, "becomes default when focused");
        }
    }
}

// Tab visits the designed controls in their designed order and nothing
// else, an opening window gives the focus to the first of them, and the
// window opens where it is designed to.
void TestWindowCatalogue::opening() {
    QFETCH(int, index);
    const Window window = catalogue()[index];
    std::unique_ptr<QWidget> widget(window.create());
    std::vector<Control> tabStops;
    for (const Control& control : window.controls)
        if (control.tab >= 0)
            tabStops.push_back(control);
    std::sort(tabStops.begin(), tabStops.end(), [](const Control& a, const Control& b) { return a.tab < b.tab; });
    QStringList designed;
    for (const Control& control : tabStops)
        designed << control.name;

    QStringList visited;
    for (QWidget* next = widget->nextInFocusChain(); next != widget.get(); next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(widget.get()) && next->isEnabled())
            visited << next->objectName();
    }
    QCOMPARE(visited, designed);

    widget->show();
    QApplication::setActiveWindow(widget.get());
    QVERIFY(QTest::qWaitForWindowActive(widget.get()));
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), designed.first());

    if (window.opens == Opens::Centred) {
        const QPoint offCentre =
            widget->frameGeometry().center() - widget->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1 px off centre").arg(offCentre.manhattanLength())));
    } else {
        // A main window, not a dialog, which window managers centre too;
        // and where a plain new window of the same size goes.
        QCOMPARE(widget->windowType(), Qt::Window);
        QWidget plain;
        plain.setFixedSize(widget->size());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QCOMPARE(widget->frameGeometry().topLeft(), plain.frameGeometry().topLeft());
    }
}

void TestWindowCatalogue::translationsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("index");
    const auto windows = catalogue();
    for (const QString language : {"de", "nl", "fr", "es"}) {
        for (size_t i = 0; i < windows.size(); ++i)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(windows[i].name))
                << language << int(i);
    }
}

void TestWindowCatalogue::translationsFit() {
    QFETCH(QString, language);
    QFETCH(int, index);
    const std::unique_ptr<QTranslator> texts = i18n::translator(language);
    QVERIFY2(texts, qPrintable("no translation for " + language));
    QCoreApplication::installTranslator(texts.get());
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(texts.get()); });
    const Window window = catalogue()[index];
    std::unique_ptr<QWidget> widget(window.create());
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    for (const Control& control : window.controls) {
        checkTextFits(window.name + "." + control.name, widget->findChild<QWidget*>(control.name));
    }
}

void TestWindowCatalogue::accessKeysMatchCaptions_data() {
    QTest::addColumn<QString>("language");
    for (const QString language : {"en", "de", "nl", "fr", "es"})
        QTest::newRow(qPrintable(language)) << language;
}

// In every language Alt and a letter of a button's caption press it, and
// the keys window (F1) lists those keys.
void TestWindowCatalogue::accessKeysMatchCaptions() {
    QFETCH(QString, language);
    const std::unique_ptr<QTranslator> texts = i18n::translator(language);
    if (texts)
        QCoreApplication::installTranslator(texts.get());
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(texts.get()); });
    const AnnounceIntro intro(session());
    const AnnouncerScreen screen(session().desk(), session().station());
    const AccessKeys keys = accessKeys();
    QStringList listed;
    for (const auto& [key, what] : deskKeys())
        listed << key + QLatin1Char(' ') + what;
    for (const auto& [key, button] :
         {std::pair{keys.browse, intro.findChild<QPushButton*>("Command1")},
          std::pair{keys.enter, intro.findChild<QPushButton*>("Command3")},
          std::pair{keys.exit, intro.findChild<QPushButton*>("Command4")},
          std::pair{keys.screenExit, screen.findChild<QPushButton*>("Command1")}}) {
        const QString shown = key.toString(QKeySequence::NativeText);
        QCOMPARE(key[0].keyboardModifiers(), Qt::AltModifier);
        QVERIFY2(button->text().toUpper().contains(QChar(key[0].key())),
                 qPrintable(shown + " for " + button->text()));
        QVERIFY2(listed.join(QLatin1Char('\n')).contains(shown), qPrintable(shown));
    }
}

QTEST_MAIN(TestWindowCatalogue)
#include "tst_windowcatalogue.moc"
