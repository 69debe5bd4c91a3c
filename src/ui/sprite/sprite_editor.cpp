#include "ui/sprite/sprite_editor.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_name.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/platform/launcher.h"
#include "ui/platform/please_wait.h"
#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/editor_shortcuts.h"
#include "ui/sprite/palette_window.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_canvas.h"
#include "ui/sprite/sprite_file_dialog.h"
#include "ui/sprite/sprite_preview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace tav {
namespace {

int editorKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return SpriteKey::Left;
    case Qt::Key_Up:
        return SpriteKey::Up;
    case Qt::Key_Right:
        return SpriteKey::Right;
    case Qt::Key_Down:
        return SpriteKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return SpriteKey::Return;
    case Qt::Key_Space:
        return SpriteKey::Space;
    case Qt::Key_Delete:
        return SpriteKey::Delete;
    default:
        return 0;
    }
}

} // namespace

Form12::Form12(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Tav sprite editor"));
    buildControls();
    connectDocument();
    connectOperations();
    showColours();
    showCursor();
    showDeclaredSize();
    showUndo();
    showMode();
    addEditorShortcuts(this);
    m_document.setPrompts(&platform::documentPrompts());
    m_canvas->setFocus();
}

void Form12::connectDocument()
{
    connect(&m_document, &SpriteDocument::cellChanged, m_preview, &SpritePreview::repaintCell);
    connect(&m_document, &SpriteDocument::cellsReset, m_preview, qOverload<>(&QWidget::update));
    connect(&m_document, &SpriteDocument::declaredSizeChanged, this, &Form12::showDeclaredSize);
    connect(&m_document, &SpriteDocument::nameChanged, this, [this] { m_filename->setText(m_document.name()); });
    connect(&m_document, &SpriteDocument::undoChanged, this, &Form12::showUndo);
    connect(&m_tools, &DrawingTools::cursorMoved, this, &Form12::showCursor);
    connect(&m_tools, &DrawingTools::coloursChanged, this, &Form12::showColours);
    connect(&m_tools, &DrawingTools::modeChanged, this, &Form12::showMode);
    connect(&m_palette, &ScreenPalette::changed, this, &Form12::showColours);
}

Form8 *Form12::paletteWindow()
{
    if (!m_form8) {
        m_form8 = new Form8(m_folder, m_palette, this);
        connect(m_form8, &Form8::colourPicked, this, &Form12::colourPicked);
        connect(m_form8, &Form8::editorWanted, this, [this] {
            show();
            raise();
            activateWindow();
        });
        if (!m_form8->loadProblem().isEmpty())
            platform::showError(m_form8->loadProblem());
    }
    return m_form8;
}

void Form12::Form_Activate()
{
    Form8 *palette = paletteWindow();
    Form14 *scrapboard = scrapboardWindow();
    const bool paletteHidden = palette && !palette->isVisible();
    const bool scrapboardHidden = scrapboard && !scrapboard->isVisible();
    arrangeCompanions(paletteHidden, scrapboardHidden);
    if (paletteHidden)
        palette->show();
    if (scrapboardHidden)
        scrapboard->show();
}

bool Form12::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
        platform::offerReload(m_document);
    }
    return QWidget::event(event);
}

void Form12::hideEvent(QHideEvent *event)
{
    // The palette and the scrapboard belong to the editor and go with it;
    // activation brings them back.
    if (!event->spontaneous()) {
        if (m_form8)
            m_form8->hide();
        if (m_form14)
            m_form14->hide();
    }
    QWidget::hideEvent(event);
}

bool Form12::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Coming back to the window is not going into the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_xSize)
                XSize_GotFocus();
            else if (watched == m_ySize)
                YSize_GotFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form12::keyPressEvent(QKeyEvent *event)
{
    if (focusWidget() == m_xSize || focusWidget() == m_ySize) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_tools.Form_KeyDown(editorKeyCode(event->key())))
        m_command7->click();
    if (event->text().size() == 1)
        m_tools.Form_KeyPress(event->text().at(0));
    event->accept();
}

void Form12::colourPicked(int index, int button)
{
    ColourSwatch *box = button == SpriteButton::Left ? m_lColor : m_rColor;
    if (button == SpriteButton::Left)
        m_tools.setLeftColour(index);
    else
        m_tools.setRightColour(index);
    box->setToolTip(QStringLiteral("color #%1").arg(index));
}

void Form12::showColours()
{
    m_lColor->setProperty("Tag", QString::number(m_tools.leftColour()));
    m_rColor->setProperty("Tag", QString::number(m_tools.rightColour()));
    m_lColor->update();
    m_rColor->update();
}

void Form12::showCursor()
{
    m_sx->setText(QString::number(m_tools.SX()));
    m_sy->setText(QString::number(m_tools.SY()));
}

void Form12::showDeclaredSize()
{
    const QString width = QString::number(m_document.XSize());
    const QString height = QString::number(m_document.YSize());
    if (m_xSize->text() != width)
        m_xSize->setText(width);
    if (m_ySize->text() != height)
        m_ySize->setText(height);
}

void Form12::showUndo()
{
    const UndoRing &ring = m_document.undoRing();
    m_undoButton->setEnabled(ring.canUndo());
    m_undoButton->setToolTip(ring.tooltip());
    m_undoButton->setProperty("Tag", QString::number(ring.stepsAvailable()));
    m_redoButton->setEnabled(ring.canRedo());
    m_redoButton->setToolTip(ring.redoTooltip());
}

void Form12::showMode()
{
    m_tool[static_cast<std::size_t>(m_tools.mode())]->setChecked(true);
}

void Form12::sizeChange(QLineEdit *box, void (SpriteDocument::*set)(int))
{
    const QString normal = QString::number(SpriteDocument::clampSize(num(box->text())));
    if (box->text() != normal) {
        box->setText(normal); // comes back here with the valid text
        return;
    }
    (m_document.*set)(normal.toInt());
}

void Form12::XSize_Change()
{
    sizeChange(m_xSize, &SpriteDocument::setXSize);
}

void Form12::YSize_Change()
{
    sizeChange(m_ySize, &SpriteDocument::setYSize);
}

void Form12::XSize_GotFocus()
{
    m_document.SaveUndo(QStringLiteral("x size change"));
}

void Form12::YSize_GotFocus()
{
    m_document.SaveUndo(QStringLiteral("y size change"));
}

void Form12::UndoButton_Click()
{
    m_document.Undo();
}

void Form12::RedoButton_Click()
{
    m_document.Redo();
}

void Form12::Command4_Click()
{
    m_document.newSprite();
    tookNewSprite();
}

void Form12::Command14_Click()
{
    platform::startCommand(m_folder, QStringLiteral("notepad HELP\\Sprites.txt"));
}

void Form12::Command1_Click()
{
    m_document.SaveUndo(QStringLiteral("load sprite"));
    paletteWindow();
    Form13 dialog(m_folder, m_palette, m_document, this);
    dialog.setName(m_document.name());
    if (dialog.exec() == QDialog::Accepted)
        tookLoadedSprite(dialog.loadFallback());
}

void Form12::Command3_Click()
{
    m_filename->setProperty("Tag", QStringLiteral("0"));
    paletteWindow();
    Form13 dialog(m_folder, m_palette, m_document, this);
    dialog.setSaveMode();
    dialog.setName(m_document.name());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (!chosen) {
        m_filename->setProperty("Tag", QStringLiteral("1"));
        return;
    }
    Command2_Click();
}

void Form12::Check1_Click()
{
    paletteWindow();
    m_palette.setColour(0, m_check1->isChecked() ? ScreenPalette::kPink : ScreenPalette::kBlack);
    platform::PleaseWait wait(this);
    Q_EMIT backgroundColourChanged();
}

} // namespace tav
