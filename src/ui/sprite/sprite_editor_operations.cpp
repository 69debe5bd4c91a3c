// The sprite editor's editing functions, sprite operations, floating area and
// the sprites dragged between the editor and its scrapboard.
#include "ui/sprite/sprite_editor.h"

#include "core/common/program_tables.h"
#include "core/sprite/uniform_random.h"
#include "ui/platform/please_wait.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_canvas.h"
#include "ui/sprite/sprite_drag.h"
#include "ui/sprite/sprite_preview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QSlider>

namespace tav {
namespace {

// Copying the sprite empties the system clipboard's text.
void emptySystemClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString());
}

} // namespace

void Form12::connectOperations()
{
    const std::pair<const char *, void (Form12::*)()> commands[] = {
        {"Command5", &Form12::Command5_Click},   {"Command6", &Form12::Command6_Click},
        {"Command7", &Form12::Command7_Click},   {"Command8", &Form12::Command8_Click},
        {"Command9", &Form12::Command9_Click},   {"Command10", &Form12::Command10_Click},
        {"Command11", &Form12::Command11_Click}, {"Command12", &Form12::Command12_Click},
        {"Command13", &Form12::Command13_Click},
    };
    for (const auto &[name, handler] : commands)
        if (auto *b = findChild<QAbstractButton *>(QLatin1String(name)))
            connect(b, &QAbstractButton::clicked, this, handler);

    SelectionHandle *handle = m_canvas->selScape();
    connect(handle, &SelectionHandle::mouseMoved, this, &Form12::SelScape_MouseMove);
    connect(handle, &SelectionHandle::mouseReleased, this, [this] { SelScape_MouseUp(); });

    connect(&m_document, &SpriteDocument::regionChanged, m_preview, &SpritePreview::repaintRegion);
    new SpriteDragSource(m_preview, QStringLiteral("form"),
                         [this] { return QPixmap::fromImage(m_preview->picture()); });
    new SpriteDropTarget(m_preview, [this](const QString &tag) { Picture2_DragDrop(tag); });
}

Form14 *Form12::scrapboardWindow()
{
    if (!m_form14) {
        paletteWindow();
        m_form14 = new Form14(m_folder, m_scrapboard, m_document, m_palette, this);
        connect(this, &Form12::backgroundColourChanged, m_form14, &Form14::repaintThumbnails);
        m_form14->setUnfoldedPlacement([this](QPoint folded) { return unfoldedScrapboardPlace(folded); });
    }
    return m_form14;
}

void Form12::Command5_Click()
{
    if (m_operations.cut())
        emptySystemClipboard();
}

void Form12::Command6_Click()
{
    if (m_operations.copy())
        emptySystemClipboard();
}

void Form12::Command7_Click()
{
    m_operations.deleteArea();
}

void Form12::Command8_Click()
{
    m_operations.paste();
}

void Form12::Command9_Click()
{
    m_operations.flipXWise();
}

void Form12::Command10_Click()
{
    m_operations.flipYWise();
}

void Form12::Command11_Click()
{
    m_operations.randomSprite(m_slider1->value(), programRandom());
}

void Form12::Command12_Click()
{
    m_operations.replaceColour();
}

void Form12::Command13_Click()
{
    paletteWindow();
    platform::PleaseWait wait(this);
    m_operations.blur(programTables().PalRGB);
}

void Form12::SelScape_MouseMove(int buttons, double xTwips, double yTwips)
{
    if (buttons == SpriteButton::Left)
        m_canvas->selScape()->setCursor(Qt::ClosedHandCursor);
    m_operations.moveArea(buttons, xTwips, yTwips);
}

void Form12::SelScape_MouseUp()
{
    m_operations.stampArea(m_trans->isChecked());
    m_canvas->selScape()->setCursor(Qt::SizeAllCursor);
}

void Form12::Picture2_DragDrop(const QString &sourceTag)
{
    m_operations.dropFromScrapboard(sourceTag, programTables());
    // The onion skin starts at the frame last taken into the editor.
    bool isNumber = false;
    const int frame = sourceTag.toInt(&isNumber);
    if (isNumber && Scrapboard::isFrame(frame))
        m_onion.setFrame(frame + 1);
}

} // namespace tav
