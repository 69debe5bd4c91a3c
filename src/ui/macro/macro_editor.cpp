#include "ui/macro/macro_editor.h"

#include "core/macro/command_vocabulary.h"
#include "core/macro/macro_file.h"
#include "ui/common/artwork.h"
#include "ui/common/button_shortcuts.h"
#include "ui/common/history_controls.h"
#include "ui/common/twips.h"
#include "ui/macro/load_macro_dialog.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor_assist.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/platform/launcher.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace tav {
namespace {

const QString kCaption = QStringLiteral(" - Tav Macro editor");
const QString kUnsaved = QStringLiteral(" (unsaved)");
const QString &kNoName = MacroDocument::kNoName;
constexpr int kNameLength = 8;

// Design of the header, in twips.
constexpr int kMargin = 60;
constexpr int kBodyTop = 1140;
constexpr int kRowOneTop = 60;
constexpr int kRowTwoTop = 645;
constexpr int kButtonHeight = 390;
constexpr int kNameLeft = 4620;
constexpr int kUpperLinesTop = 555;
constexpr int kLowerLinesTop = 1080;
// The undo and redo buttons between the name box and the emblem.
constexpr int kHistoryWidth = 750;

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

// A one-pixel decoration line; a dark and a light one together look etched.
QFrame *makeLine(QWidget *parent, const QString &name, bool light, QRect geometry)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, light ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
    line->setPalette(palette);
    line->setGeometry(geometry);
    return line;
}

} // namespace

Form2::Form2(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form2"));

    m_command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("New"),
                            rectTw(kMargin, kRowOneTop, 900, kButtonHeight));
    m_command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Load"),
                            rectTw(1020, kRowOneTop, 900, kButtonHeight));
    m_command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Save"),
                            rectTw(1980, kRowOneTop, 900, kButtonHeight));
    makeLine(this, QStringLiteral("Line3"), false, rectTw(2955, kRowOneTop, 15, kButtonHeight));
    makeLine(this, QStringLiteral("Line5"), true, rectTw(2970, kRowOneTop, 15, kButtonHeight));
    m_command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("CMDHelp.txt"),
                            rectTw(3060, kRowOneTop, 1380, kButtonHeight));
    makeLine(this, QStringLiteral("Line7"), false, rectTw(4530, kRowOneTop, 15, kButtonHeight));

    m_text1 = new QLineEdit(kNoName, this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaxLength(kNameLength);
    m_text1->setToolTip(QStringLiteral("macro file name"));
    m_text1->setGeometry(rectTw(kNameLeft, kRowOneTop, 3000, kButtonHeight));

    m_image1 = addLogo(this, 0, px(30));

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setToolTip(QStringLiteral("command presets"));
    m_combo1->setPlaceholderText(QStringLiteral("command presets"));
    m_combo1->setMaxVisibleItems(20);
    m_combo1->addItems(commandPresets());
    m_combo1->setCurrentIndex(-1);
    m_combo1->setGeometry(rectTw(kMargin, kRowTwoTop, 6000, kButtonHeight));

    m_command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("Insert"),
                            rectTw(6120, kRowTwoTop, 900, kButtonHeight));
    m_command5->setEnabled(false);

    m_stretchingLines = {
        makeLine(this, QStringLiteral("Line1"), false, rectTw(kMargin, kUpperLinesTop, 6000, 15)),
        makeLine(this, QStringLiteral("Line2"), true, rectTw(kMargin, kUpperLinesTop + 15, 6000, 15)),
        makeLine(this, QStringLiteral("Line4"), false, rectTw(kMargin, kLowerLinesTop, 6000, 15)),
        makeLine(this, QStringLiteral("Line6"), true, rectTw(kMargin, kLowerLinesTop + 15, 6000, 15)),
    };

    m_text2 = new MacroBodyEdit(m_document, this);
    m_text2->setGeometry(rectTw(0, kBodyTop, 9600, 5400));
    new MacroEditorAssist(m_text2, folder, this);
    m_history = new HistoryControls(this, m_document);
    m_document.setPrompts(&platform::documentPrompts());

    connect(m_command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &Form2::Combo1_Click);
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &name) {
        m_document.editName(name);
        showCaption();
    });
    connect(m_text1, &QLineEdit::editingFinished, this, [this] {
        m_text1->setModified(false);
        m_document.commitName();
    });
    connect(m_text2, &MacroBodyEdit::bodyChanged, this, &Form2::showCaption);
    connect(m_text2, &MacroBodyEdit::presetLookedUp, m_combo1, &QComboBox::setCurrentIndex);
    connect(&m_document, &MacroDocument::nameReplaced, this, &Form2::showName);
    connect(&m_document, &Document::formReplaced, this, &Form2::showCaption);
    addButtonShortcuts(this, {{"Ctrl+S", "Command2"}, {"Ctrl+O", "Command1"}});

    resize(sizeTw(9600, 6600));
    layoutControls();
    showCaption();
}

Form2::~Form2()
{
    hide();
}

QString Form2::unsavedWork() const
{
    return m_document.unsavedWork();
}

QString Form2::macroName() const
{
    return m_text1->text();
}

void Form2::showName(const QString &name)
{
    if (name == m_text1->text())
        return;
    // A listed file may have a longer name than one typed; keep it whole so
    // saving writes the same file.
    m_text1->setMaxLength(std::max<int>(kNameLength, int(name.size())));
    m_text1->setText(name);
}

void Form2::showCaption()
{
    const bool unsaved = m_document.isUnsaved() || !m_document.ownName();
    setWindowTitle(m_text1->text() + kCaption + (unsaved ? kUnsaved : QString()));
}

void Form2::loadMacro(const QString &name, const QByteArray &bytes)
{
    m_document.load(name, bytes);
    showCaption();
}

void Form2::markSaved()
{
    m_document.markSaved(m_document.fileBytes());
    showCaption();
}

bool Form2::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && platform::offerReload(m_document))
        showCaption();
    return handled;
}

void Form2::Command1_Click()
{
    Form3 dialog(m_folder, *this, this);
    dialog.exec();
}

void Form2::Command2_Click()
{
    m_document.commitName();
    const QString name = m_text1->text();
    if (replacesOtherMacro(m_folder, name, m_document.ownName())
        && !platform::askYesNo(replaceMacroQuestion(name), QStringLiteral("Warning!")))
        return;
    if (checkMacroName(name) && !m_document.mayWrite(macroFilePath(name)))
        return;
    const Status saved = saveMacro(m_folder, name, m_text2->bodyText());
    if (!saved) {
        platform::showError(QStringLiteral("The macro could not be saved."), QStringLiteral("Error"), saved.error());
        return;
    }
    markSaved();
}

void Form2::Command3_Click()
{
    m_text1->setMaxLength(kNameLength);
    m_document.newMacro();
    showCaption();
}

void Form2::Command4_Click()
{
    platform::startCommand(m_folder, QStringLiteral("NotePad HELP\\CMDHelp.txt"));
}

void Form2::Command5_Click()
{
    if (m_combo1->currentIndex() < 0)
        return;
    m_text2->insertPreset(m_combo1->currentText());
    m_text2->setFocus();
}

void Form2::Combo1_Click(int index)
{
    if (index >= 0)
        m_command5->setEnabled(true);
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void Form2::layoutControls()
{
    // In twips, as designed; a size that would come out negative is skipped.
    const int w = toTwips(width());
    const int h = toTwips(height());
    const int imageWidth = toTwips(m_image1->width());
    const int insertWidth = toTwips(m_command5->width());

    if (h - kBodyTop >= 0)
        m_text2->setGeometry(0, px(kBodyTop), width(), px(h - kBodyTop));
    m_image1->move(px(w - kMargin - imageWidth), m_image1->y());
    const int nameWidth = w - toTwips(m_text1->x()) - 120 - imageWidth - kHistoryWidth;
    if (nameWidth >= 0)
        m_text1->resize(px(nameWidth), m_text1->height());
    const int historyLeft = toTwips(m_text1->x()) + std::max(nameWidth, 0) + 60;
    const int historyTop = m_text1->y() + (m_text1->height() - m_history->undoButton()->height()) / 2;
    m_history->undoButton()->move(px(historyLeft), historyTop);
    m_history->redoButton()->move(m_history->undoButton()->geometry().right() + 1 + px(30), historyTop);
    m_command5->move(px(w - insertWidth - kMargin), m_command5->y());
    const int comboWidth = w - toTwips(m_combo1->x()) - insertWidth - 120;
    if (comboWidth >= 0)
        m_combo1->resize(px(comboWidth), m_combo1->height());
    for (QFrame *line : std::as_const(m_stretchingLines)) {
        const int length = w - kMargin - toTwips(line->x());
        if (length >= 0)
            line->resize(px(length), line->height());
    }
}

} // namespace tav
