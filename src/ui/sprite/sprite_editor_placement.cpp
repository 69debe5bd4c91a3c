// Where the sprite editor's palette and scrapboard stand on the screen.
#include "ui/sprite/sprite_editor.h"

#include "ui/common/window_frame.h"
#include "ui/sprite/palette_window.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_canvas.h"

namespace tav {

SpriteWindows Form12::spriteWindows()
{
    Form8 *palette = paletteWindow();
    Form14 *scrapboard = scrapboardWindow();
    // Windows not framed yet are measured with the frame of one that is.
    const QWidget *framed = isVisible() && frameGeometry() != geometry() ? this : shownWindow(QStringLiteral("Form1"));
    const QRect editor = outerGeometry(this, framed);
    const QSize scrapboardFrame = outerGeometry(scrapboard, framed).size() - scrapboard->size();
    const QRect canvas = partOfWindow(m_canvas, editor);
    return {editor.size(),
            canvas,
            {canvas, partOfWindow(m_sizeBox, editor), partOfWindow(m_fileBox, editor)},
            outerGeometry(palette, framed).size(),
            QSize(scrapboard->widthWithViewerIn(), scrapboard->height()) + scrapboardFrame,
            QSize(scrapboard->widthWithViewerOut(), scrapboard->height()) + scrapboardFrame};
}

void Form12::arrangeCompanions(bool movePalette, bool moveScrapboard)
{
    if (!movePalette && !moveScrapboard)
        return;
    const SpriteWindows sprite = spriteWindows();
    const QWidget *launch = shownWindow(QStringLiteral("Form1"));
    const QRect editor = outerGeometry(this, launch);
    const CompanionPlacement placement =
        placeCompanions(availableArea(this), launch ? launch->frameGeometry() : QRect(), editor.topLeft(), sprite);
    // A window not mapped yet takes the position as its frame's.
    if (movePalette)
        m_form8->move(placement.palette);
    if (moveScrapboard)
        m_form14->move(placement.scrapboard);
}

QPoint Form12::unfoldedScrapboardPlace(QPoint folded)
{
    const SpriteWindows sprite = spriteWindows();
    const QWidget *launch = shownWindow(QStringLiteral("Form1"));
    const QRect palette = m_form8 && m_form8->isVisible() ? m_form8->frameGeometry() : QRect();
    return unfoldedScrapboardPosition(availableArea(this), launch ? launch->frameGeometry() : QRect(),
                                      frameGeometry().topLeft(), sprite, palette, folded);
}

} // namespace tav
