#include "ui/sprite/palette_window.h"

#include "core/common/program_tables.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/screen_palette.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/sprite/colour_swatch.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace tav {
namespace {

constexpr int kCellTwips = 255;
// Room the window manager's title bar takes beside the caption: its buttons
// and margins.
constexpr int kTitleBarExtra = 110;

// Wide enough for the longest caption, "... - color 255", to show whole in
// a title bar's bold font.
int windowWidth(QFont titleFont)
{
    titleFont.setBold(true);
    const int caption =
        QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("Tav sprite color palette - color 255"));
    return std::max(px(4440), caption + kTitleBarExtra);
}

} // namespace

Form8::Form8(const GameFolder &folder, ScreenPalette &palette, QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
    , m_folder(folder)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Tav sprite color palette - color 0"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(windowWidth(font()), px(4095));

    for (int i = 0; i < 256; ++i) {
        auto *cell = new ColourSwatch([this, i] { return m_palette.colour(i); }, this);
        cell->setObjectName(QStringLiteral("Farbe_%1").arg(i));
        cell->setRaisedEdge(true);
        cell->setToolTip(colourRole(i));
        cell->setProperty("Tag", QString::number(i));
        cell->setGeometry(px((i % 16) * kCellTwips), px((i / 16) * kCellTwips), px(kCellTwips), px(kCellTwips));
        connect(cell, &ColourSwatch::pressed, this, [this, i](int button) { Farbe_MouseDown(i, button); });
        connect(cell, &ColourSwatch::hovered, this, [this, i] { Farbe_MouseMove(i); });
        connect(cell, &ColourSwatch::clicked, this, &Form8::editorWanted);
        m_cells[static_cast<std::size_t>(i)] = cell;
    }

    m_cpreview = new ColourSwatch([this] { return m_palette.colour(m_previewIndex); }, this);
    m_cpreview->setObjectName(QStringLiteral("Cpreview"));
    m_cpreview->setGeometry(rectTw(16 * kCellTwips + 60, 0, 255, 3675));
    connect(m_cpreview, &ColourSwatch::clicked, this, &Form8::editorWanted);

    // A click on the logo reaches the window like a click on a free spot.
    addLogo(this, px(16 * kCellTwips + 30), px(3675 + 45), px(330));

    connect(&m_palette, &ScreenPalette::changed, this, [this] {
        for (ColourSwatch *cell : m_cells)
            cell->update();
        m_cpreview->update();
    });

    Form_Load();
}

void Form8::Form_Load()
{
    const PaletteFile file = readPaletteFile(m_folder.resolve(QStringLiteral("GAMEDATA\\MASTER.PAL")));
    m_loadProblem = file.problem;
    ProgramTables &tables = programTables();
    for (int i = 1; i < 256; ++i)
        tables.PalRGB[static_cast<std::size_t>(i)] = file.entries[static_cast<std::size_t>(i)];
    m_palette.setColours(file.colours);
}

void Form8::Farbe_MouseDown(int index, int button)
{
    if (button == 1 || button == 2)
        Q_EMIT colourPicked(index, button);
}

void Form8::Farbe_MouseMove(int index)
{
    m_previewIndex = index;
    m_cpreview->update();
    setWindowTitle(QStringLiteral("Tav sprite color palette - color %1").arg(index));
}

void Form8::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT editorWanted();
}

} // namespace tav
