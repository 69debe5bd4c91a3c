#include "ui/sprite/scrapboard_window.h"

#include "core/sprite/animation_speed.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"
#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_image_exchange.h"
#include "core/sprite/sprite_sheet.h"
#include "ui/common/artwork.h"
#include "ui/platform/dialogs.h"
#include "ui/sprite/batch_rename_dialog.h"
#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/image_file_choice.h"
#include "ui/sprite/magnified_viewer.h"
#include "ui/sprite/picture_box.h"
#include "ui/sprite/sprite_drag.h"
#include "ui/sprite/sprite_icons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace tav {
namespace {

const QColor kPanelGrey(160, 160, 160);
const QColor kPerforation(210, 210, 210);
constexpr int kThumbnailSide = 80;

// The animation viewer's panel `Picture4`: grey, with a grip strip at its
// left edge that resizes the window.
class ViewerPanel : public QWidget {
public:
    using MoveHandler = std::function<void(int buttons, int x)>;

    ViewerPanel(MoveHandler moved, QWidget *parent)
        : QWidget(parent)
        , m_moved(std::move(moved))
    {
        setCursor(Qt::SizeHorCursor);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), kPanelGrey);
        const int grip = Form14::kViewerFoldedIn;
        p.setPen(kPanelGrey.lighter(130));
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(kPanelGrey.darker(140));
        p.drawLine(grip - 1, 0, grip - 1, height() - 1);
        for (int y = height() / 2 - 18; y <= height() / 2 + 18; y += 6) {
            p.setPen(kPanelGrey.lighter(140));
            p.drawLine(5, y, grip - 7, y);
            p.setPen(kPanelGrey.darker(160));
            p.drawLine(5, y + 1, grip - 7, y + 1);
        }
    }
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_moved(spriteButtons(event->buttons()), qRound(event->position().x()));
    }

private:
    MoveHandler m_moved;
};

// A frame's container `Picture1`: its background, black or the highlight
// colour, with a thin edge around the thumbnail.
class FrameContainer : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.setPen(QColor(90, 90, 90));
        p.drawRect((Form14::kFrameWidth - kThumbnailSide) / 2 - 1, 15, kThumbnailSide + 1, kThumbnailSide + 1);
    }
};

QLabel *whiteLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

Form14::Form14(const GameFolder &folder, Scrapboard &board, SpriteDocument &editor, const ScreenPalette &palette,
               QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
    , m_folder(folder)
    , m_board(board)
    , m_editor(editor)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Scrapboard"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(QStringLiteral("strip"));
    for (int i = 0; i < Scrapboard::kFrames; ++i)
        buildFrame(i);

    m_logo = addLogo(this, 3, kFrameHeight + 2, 16);
    m_selected = new QScrollBar(Qt::Horizontal, this);
    m_selected->setObjectName(QStringLiteral("Selected"));
    m_selected->setRange(0, Scrapboard::kFrames - 1);
    m_selected->setPageStep(1);
    m_selected->setFocusPolicy(Qt::NoFocus);
    connect(m_selected, &QScrollBar::valueChanged, this, &Form14::Selected_Change);

    m_buttons = new QWidget(this);
    auto *row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(3, 2, 3, 3);
    row->setSpacing(3);
    const auto button = [this, row](const char *name, const char *caption, void (Form14::*handler)()) {
        // Compact buttons, so all three fit under three frames.
        auto *b = new QToolButton(m_buttons);
        b->setText(QLatin1String(caption));
        b->setObjectName(QLatin1String(name));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumHeight(24);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        connect(b, &QToolButton::clicked, this, handler);
    };
    button("Command1", "Animation viewer >", &Form14::Command1_Click);
    button("Command2", "clear", &Form14::Command2_Click);
    button("Command3", "auto renaming...", &Form14::Command3_Click);
    row->addStretch();

    buildViewer();
    // At the foot of the viewer's grip, so it is there folded in or out and
    // the buttons under the frames keep their room.
    auto *exportStrip = new QToolButton(m_picture4);
    exportStrip->setObjectName(QStringLiteral("ExportStrip"));
    exportStrip->setText(QStringLiteral("export strip..."));
    exportStrip->setToolTip(QStringLiteral("export strip...: frames 1 to N of the animation as one PNG image"));
    exportStrip->setIcon(exportStripIcon());
    exportStrip->setToolButtonStyle(Qt::ToolButtonIconOnly);
    exportStrip->setAutoRaise(true);
    exportStrip->setIconSize(QSize(kViewerFoldedIn - 2, kViewerFoldedIn - 2));
    exportStrip->setGeometry(0, kClientHeight - kViewerFoldedIn - 6, kViewerFoldedIn, kViewerFoldedIn + 4);
    exportStrip->setFocusPolicy(Qt::NoFocus);
    exportStrip->setCursor(Qt::ArrowCursor);
    connect(exportStrip, &QToolButton::clicked, this, &Form14::exportStrip);

    connect(&m_board, &Scrapboard::frameChanged, this, &Form14::showFrame);
    connect(&m_palette, &ScreenPalette::changed, this, &Form14::repaintThumbnails);
    for (int i = 0; i < Scrapboard::kFrames; ++i)
        showFrame(i);
    Picture1_GotFocus(0);
    layoutWindow();
}

void Form14::buildFrame(int index)
{
    Frame &frame = m_frames[static_cast<std::size_t>(index)];
    frame.container = new FrameContainer(m_viewport);
    frame.container->setObjectName(QStringLiteral("Picture1_%1").arg(index));
    frame.container->setFocusPolicy(Qt::ClickFocus);
    frame.container->resize(kFrameWidth, kFrameHeight);
    frame.container->installEventFilter(this);

    for (int k = 0; k < 12; ++k) {
        auto *hole = new QWidget(frame.container);
        hole->setObjectName(QStringLiteral("Shape1_%1").arg(index * 12 + k));
        hole->setAttribute(Qt::WA_TransparentForMouseEvents);
        hole->setAutoFillBackground(true);
        QPalette colours = hole->palette();
        colours.setColor(QPalette::Window, kPerforation);
        hole->setPalette(colours);
        const int column = k % 6;
        hole->setGeometry(7 + column * 15, k < 6 ? 4 : kFrameHeight - 11, 9, 7);
    }

    frame.thumbnail = new PictureBox([this, index] { return m_board.picture(index, m_palette); }, frame.container);
    frame.thumbnail->setObjectName(QStringLiteral("Picture2_%1").arg(index));
    frame.thumbnail->setProperty("Tag", QString::number(index));
    frame.thumbnail->setGeometry((kFrameWidth - kThumbnailSide) / 2, 16, kThumbnailSide, kThumbnailSide);
    new SpriteDragSource(
        frame.thumbnail, QString::number(index),
        [this, index] { return QPixmap::fromImage(m_board.picture(index, m_palette)); },
        [this, index] { focusFrame(index); });
    new SpriteDropTarget(
        frame.thumbnail, [this, index](const QString &tag) { Picture2_DragDrop(index, tag); },
        [this, index] { focusFrame(index); });

    frame.label = whiteLabel(frame.container);
    frame.label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    frame.label->setGeometry(2, 99, kFrameWidth - 4, kFrameHeight - 99 - 12);
    frame.label->installEventFilter(this);
}

void Form14::buildViewer()
{
    m_picture4 = new ViewerPanel([this](int buttons, int x) { Picture4_MouseMove(buttons, x); }, this);
    m_picture4->setObjectName(QStringLiteral("Picture4"));

    const int inside = kViewerFoldedIn + 4;
    const int width = kViewerFoldedOut - inside - 4;
    m_preview = new PictureBox(
        [this] {
            // Before the first frame the viewer is empty.
            return m_board.picture(m_animPos - 1, m_palette);
        },
        m_picture4);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setToolTip(QStringLiteral("animation preview"));
    m_preview->setCursor(Qt::ArrowCursor);
    m_preview->setGeometry(inside + (width - kThumbnailSide) / 2, 8, kThumbnailSide, kThumbnailSide);

    m_label2 = new QLabel(QStringLiteral("Number of scrapboard frames used for animation:"), m_picture4);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = m_label2->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    m_label2->setFont(small);
    m_label2->setGeometry(inside - 2, 90, width + 4, 44);
    m_label2->setCursor(Qt::ArrowCursor);

    m_slider1 = new QSlider(Qt::Horizontal, m_picture4);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setRange(1, Scrapboard::kFrames);
    m_slider1->setPageStep(1);
    m_slider1->setValue(1);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setFocusPolicy(Qt::NoFocus);
    m_slider1->setCursor(Qt::ArrowCursor);
    m_slider1->setGeometry(inside, 136, width, 26);

    m_framesUsed = new QLabel(m_picture4);
    m_framesUsed->setObjectName(QStringLiteral("FramesUsed"));
    m_framesUsed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_framesUsed->setGeometry(inside, 164, width, 20);
    m_framesUsed->setCursor(Qt::ArrowCursor);
    const auto showFramesUsed = [this](int value) {
        m_slider1->setToolTip(QString::number(value));
        m_framesUsed->setText(value == 1 ? QStringLiteral("1 frame") : QStringLiteral("%1 frames").arg(value));
    };
    showFramesUsed(m_slider1->value());
    connect(m_slider1, &QSlider::valueChanged, this, showFramesUsed);

    m_anim = new QTimer(this);
    m_anim->setObjectName(QStringLiteral("Anim"));
    m_anim->setInterval(AnimationSpeed::interval(AnimationSpeed::kStart));
    connect(m_anim, &QTimer::timeout, this, &Form14::Anim_Timer);
    m_anim->start();
    buildViewerControls(inside, width);
}

int Form14::selectedFrame() const
{
    return m_selected->value();
}

void Form14::focusFrame(int frame)
{
    if (!Scrapboard::isFrame(frame))
        return;
    m_frames[static_cast<std::size_t>(frame)].container->setFocus(Qt::OtherFocusReason);
    Picture1_GotFocus(frame);
}

bool Form14::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    for (int i = 0; i < Scrapboard::kFrames; ++i) {
        const Frame &frame = m_frames[static_cast<std::size_t>(i)];
        if (watched == frame.container && event->type() == QEvent::FocusIn)
            Picture1_GotFocus(i);
        else if (watched == frame.label && event->type() == QEvent::MouseButtonPress)
            focusFrame(i);
    }
    return QWidget::eventFilter(watched, event);
}

void Form14::Picture1_GotFocus(int frame)
{
    if (!Scrapboard::isFrame(frame))
        return;
    for (int i = 0; i < Scrapboard::kFrames; ++i) {
        QWidget *container = m_frames[static_cast<std::size_t>(i)].container;
        QPalette colours = container->palette();
        colours.setColor(QPalette::Window, i == frame ? palette().color(QPalette::Highlight) : QColor(Qt::black));
        container->setPalette(colours);
    }
    m_selected->setValue(frame);
}

void Form14::Selected_Change()
{
    const int frame = m_selected->value();
    const QWidget *container = m_frames[static_cast<std::size_t>(frame)].container;
    if (container->palette().color(QPalette::Window) == QColor(Qt::black))
        focusFrame(frame);
    m_strip.scrollTo(frame);
    placeFrames();
}

void Form14::Picture2_DragDrop(int frame, const QString &sourceTag)
{
    if (!Scrapboard::isFrame(frame))
        return;
    focusFrame(frame);
    if (sourceTag == QLatin1String("form")) {
        m_board.store(frame, m_editor.name(), m_editor.XSize(), m_editor.YSize(), m_editor.Matrix());
        return;
    }
    bool isNumber = false;
    const int source = sourceTag.toInt(&isNumber);
    if (isNumber && Scrapboard::isFrame(source) && source != frame)
        m_board.swap(source, frame);
}

void Form14::Command1_Click()
{
    const QPoint before = pos();
    m_viewerOut = !m_viewerOut;
    layoutWindow();
    placeForViewer(before);
}

void Form14::placeForViewer(QPoint before)
{
    if (!isVisible())
        return;
    if (m_viewerOut && m_placeUnfolded) {
        m_foldedAt = before;
        m_unfoldedAt = m_placeUnfolded(before);
        move(m_unfoldedAt);
        return;
    }
    if (!m_viewerOut && m_placeUnfolded && pos() == m_unfoldedAt)
        move(m_foldedAt);
    keepOnScreen();
}

void Form14::Command2_Click()
{
    m_board.clear(selectedFrame());
}

void Form14::Command3_Click()
{
    Form15 dialog(m_folder, m_board, this);
    dialog.exec();
}

void Form14::exportStrip()
{
    const int frames = m_slider1->value();
    const SpriteSheet strip = scrapboardStrip(m_board, frames, SpriteColourMap(m_palette.colours()));
    if (strip.image.isNull()) {
        platform::showError(
            QStringLiteral("Frames 1 to %1 of the scrapboard are empty: there is no strip to export.").arg(frames));
        return;
    }
    exportPngImage(strip.image, QStringLiteral("Export strip"), m_folder.root(), QStringLiteral("strip"));
}

void Form14::Picture4_MouseMove(int buttons, int x)
{
    if (!(buttons & SpriteButton::Left)) {
        m_lastX = x;
        return;
    }
    const int frames = FilmStrip::framesForWidth(stripWidth() + x - m_lastX, kFrameWidth);
    m_strip.setVisibleFrames(frames, selectedFrame());
    layoutWindow();
}

void Form14::Anim_Timer()
{
    if (!m_viewerOut)
        return;
    m_animPos = nextAnimationPosition(m_animPos, m_slider1->value());
    m_preview->update();
    if (m_magnified)
        m_magnified->refresh();
}

void Form14::showFrame(int frame)
{
    if (!Scrapboard::isFrame(frame))
        return;
    const Frame &f = m_frames[static_cast<std::size_t>(frame)];
    f.thumbnail->setToolTip(m_board.tooltip(frame));
    f.label->setText(m_board.label(frame));
    f.thumbnail->update();
}

void Form14::repaintThumbnails()
{
    for (const Frame &frame : m_frames)
        frame.thumbnail->repaint();
    m_preview->update();
}

void Form14::placeFrames()
{
    for (int i = 0; i < Scrapboard::kFrames; ++i)
        m_frames[static_cast<std::size_t>(i)].container->move(m_strip.position(i) * kFrameWidth, 0);
}

void Form14::layoutWindow()
{
    const int strip = stripWidth();
    const int panel = m_viewerOut ? kViewerFoldedOut : kViewerFoldedIn;
    setFixedSize(strip + panel, kClientHeight);
    m_viewport->setGeometry(0, 0, strip, kFrameHeight);
    m_selected->setGeometry(22, kFrameHeight + 3, strip - 25, 15);
    m_buttons->setGeometry(0, kFrameHeight + 20, strip, kClientHeight - kFrameHeight - 20);
    m_picture4->setGeometry(strip, 0, panel, kClientHeight);
    for (QWidget *part : {static_cast<QWidget *>(m_preview), static_cast<QWidget *>(m_label2),
                          static_cast<QWidget *>(m_slider1), static_cast<QWidget *>(m_framesUsed),
                          static_cast<QWidget *>(m_speed), static_cast<QWidget *>(m_magnify)})
        part->setVisible(m_viewerOut);
    showMagnified();
    placeFrames();
}

void Form14::keepOnScreen()
{
    const QScreen *screen = this->screen();
    if (!isVisible() || !screen)
        return;
    const QRect area = screen->availableGeometry();
    const int overhang = frameGeometry().right() - area.right();
    if (overhang > 0)
        move(std::max(area.left(), x() - overhang), y());
    else if (frameGeometry().left() < area.left())
        move(area.left(), y());
}

} // namespace tav
