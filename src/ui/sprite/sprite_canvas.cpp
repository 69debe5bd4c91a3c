#include "ui/sprite/sprite_canvas.h"

#include "core/sprite/canvas_geometry.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/onion_skin.h"
#include "core/sprite/screen_palette.h"
#include "core/sprite/sprite_document.h"
#include "ui/common/twips.h"
#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/sprite_icons.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace tav {
namespace {

const QColor kGridLine(64, 64, 64);
const QColor kBorderLine(64, 160, 255);
const QColor kPasteFrame(255, 128, 0);

// A frame rectangle in twips on screen: one pixel larger, so its edges lie
// on the grid lines around the cells it frames.
QRect framePixels(const QRect &twips)
{
    return QRect(px(twips.left()), px(twips.top()), px(twips.width()) + 1, px(twips.height()) + 1);
}

QPointF toTwips(const QPointF &pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace

CanvasFrame::CanvasFrame(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CanvasFrame::setPen(const QColor &colour, Qt::PenStyle style)
{
    m_pen = colour;
    m_style = style;
    update();
}

void CanvasFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_fill.isValid())
        p.fillRect(rect(), m_fill);
    p.setPen(QPen(m_pen, 1, m_style));
    p.setBrush(Qt::NoBrush);
    if (width() <= 1 || height() <= 1)
        p.fillRect(rect(), m_pen);
    else
        p.drawRect(rect().adjusted(0, 0, -1, -1));
}

SelectionHandle::SelectionHandle(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::SizeAllCursor);
    setMouseTracking(true);
    hide();
}

void SelectionHandle::mousePressEvent(QMouseEvent *event)
{
    // The press belongs to the handle, so the moves and the release follow it
    // and the canvas below starts no selection.
    event->accept();
}

void SelectionHandle::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = toTwips(event->position());
    Q_EMIT mouseMoved(spriteButtons(event->buttons()), at.x(), at.y());
}

void SelectionHandle::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = toTwips(event->position());
    Q_EMIT mouseReleased(spriteButton(event->button()), at.x(), at.y());
}

SpriteCanvas::SpriteCanvas(SpriteDocument &document, DrawingTools &tools, const ScreenPalette &palette, QWidget *parent)
    : QWidget(parent)
    , m_doc(document)
    , m_tools(tools)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(sizeTw(kCanvasTwips, kCanvasTwips));
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(kGridLine);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    const auto frame = [this](const char *name) {
        auto *f = new CanvasFrame(this);
        f->setObjectName(QLatin1String(name));
        return f;
    };
    m_xLine = frame("XLine");
    m_yLine = frame("YLine");
    m_xLine->setPen(kBorderLine);
    m_yLine->setPen(kBorderLine);
    m_xLine->show();
    m_yLine->show();
    m_preViewBox = frame("PreViewBox");
    m_sel = frame("Sel");
    m_selector = frame("Selector");
    m_selScape = new SelectionHandle(this);
    m_selScape->setObjectName(QStringLiteral("SelScape"));
    m_cursor = frame("MCursor");
    m_cursor->resize(sizeTw(195, 195));

    connect(&m_doc, &SpriteDocument::cellChanged, this, [this](int x, int y) { update(cellArea(x, y)); });
    connect(&m_doc, &SpriteDocument::cellsReset, this, qOverload<>(&QWidget::update));
    connect(&m_doc, &SpriteDocument::regionChanged, this, [this](const QRect &cells) { update(regionArea(cells)); });
    connect(&m_palette, &ScreenPalette::changed, this, qOverload<>(&QWidget::update));
    connect(&m_doc, &SpriteDocument::declaredSizeChanged, this, &SpriteCanvas::placeBorderLines);
    connect(&m_doc, &SpriteDocument::selectionChanged, this, &SpriteCanvas::placeSelection);
    connect(&m_tools, &DrawingTools::cursorMoved, this, &SpriteCanvas::placeCursorFrame);
    connect(&m_tools, &DrawingTools::overlaysChanged, this, [this] {
        placeCursorFrame();
        placeBlockPreview();
    });
    connect(&m_tools, &DrawingTools::modeChanged, this, &SpriteCanvas::showModePointer);

    placeBorderLines();
    placeSelection();
    placeBlockPreview();
    placeCursorFrame();
}

QRect SpriteCanvas::cellArea(int x, int y)
{
    return QRect(x * kCellPixels + 1, y * kCellPixels + 1, kCellPixels - 1, kCellPixels - 1);
}

QRect SpriteCanvas::regionArea(const QRect &cells)
{
    return QRect(cells.left() * kCellPixels, cells.top() * kCellPixels, cells.width() * kCellPixels + 1,
                 cells.height() * kCellPixels + 1);
}

void SpriteCanvas::setOnionSkin(const OnionSkin *skin)
{
    if (m_onion)
        disconnect(m_onion, nullptr, this, nullptr);
    m_onion = skin;
    if (m_onion)
        connect(m_onion, &OnionSkin::changed, this, qOverload<>(&QWidget::update));
    update();
}

void SpriteCanvas::paintEvent(QPaintEvent *event)
{
    // The cells asked for are written straight into the canvas picture, its
    // grid lines drawn once, and the area is copied to the screen as it is:
    // no scaling and no painter call per cell.
    const QRect area = event->rect() & m_picture.rect();
    const int x0 = std::max(0, area.left() / kCellPixels);
    const int y0 = std::max(0, area.top() / kCellPixels);
    const int x1 = std::min(39, area.right() / kCellPixels);
    const int y1 = std::min(39, area.bottom() / kCellPixels);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const std::uint8_t index = m_doc.cell(x, y);
            const QRgb colour = m_onion ? m_onion->cellColour(x, y, index) : m_palette.rgb(index);
            const QRect cell = cellArea(x, y);
            for (int row = cell.top(); row <= cell.bottom(); ++row) {
                auto *line = reinterpret_cast<QRgb *>(m_picture.scanLine(row)) + cell.left();
                std::fill(line, line + cell.width(), colour);
            }
        }
    QPainter p(this);
    p.drawImage(area.topLeft(), m_picture, area);
}

void SpriteCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF at = toTwips(event->position());
    // The pointer may not have reported the cell it was pressed on yet.
    m_tools.Picture1_MouseMove(spriteButtons(event->buttons() & ~event->button()), at.x(), at.y());
    m_tools.Picture1_MouseDown(spriteButton(event->button()));
}

void SpriteCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = toTwips(event->position());
    m_tools.Picture1_MouseMove(spriteButtons(event->buttons()), at.x(), at.y());
}

void SpriteCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    m_tools.Picture1_MouseUp(spriteButton(event->button()));
}

void SpriteCanvas::placeCursorFrame()
{
    m_cursor->move(framePixels(m_tools.cursorFrameRect()).topLeft());
    m_cursor->setVisible(m_tools.cursorFrameShown());
}

void SpriteCanvas::placeBorderLines()
{
    m_xLine->setGeometry(px(m_doc.XSize() * kCellTwips), 0, 1, px(kGridTwips) + 1);
    m_yLine->setGeometry(0, px(m_doc.YSize() * kCellTwips), px(kGridTwips) + 1, 1);
}

void SpriteCanvas::placeSelection()
{
    const SpriteSelection &s = m_doc.selection();
    m_sel->setVisible(s.rubberBandShown);
    if (s.rubberBandShown)
        m_sel->setGeometry(framePixels(s.rubberBandRect()));
    m_selector->setPen(s.selectorAppearance == 5 ? kPasteFrame : QColor(Qt::white),
                       s.selectorAppearance == 5 ? Qt::DashDotDotLine : Qt::SolidLine);
    m_selector->setGeometry(framePixels(s.selectorRect));
    m_selScape->setGeometry(m_selector->geometry());
    m_selector->setVisible(s.selectorShown);
    m_selScape->setVisible(s.selectorShown);
}

void SpriteCanvas::placeBlockPreview()
{
    if (!m_tools.blockPreviewShown()) {
        m_preViewBox->hide();
        return;
    }
    const QColor colour = m_palette.colour(m_tools.blockPreviewColour());
    m_preViewBox->setPen(colour);
    m_preViewBox->setFill(colour);
    m_preViewBox->setGeometry(framePixels(m_tools.blockPreviewRect()));
    m_preViewBox->show();
}

void SpriteCanvas::showModePointer()
{
    if (m_tools.mode() == DrawingMode::GrabColour)
        setCursor(grabColourCursor());
    else
        unsetCursor();
}

} // namespace tav
