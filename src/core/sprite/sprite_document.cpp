#include "core/sprite/sprite_document.h"

#include "core/sprite/canvas_geometry.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_name.h"

#include <QJsonArray>

#include <algorithm>

namespace tav {

QRect SpriteSelection::rubberBandRect() const
{
    return QRect(SelX * kCellTwips, SelY * kCellTwips, SelW * kCellTwips, SelH * kCellTwips);
}

namespace {

const QString kName = QStringLiteral("name");
const QString kCells = QStringLiteral("cells");
const QString kUndoPrefix = QStringLiteral("Undo: ");
const QString kRedoPrefix = QStringLiteral("Redo: ");

} // namespace

SpriteDocument::SpriteDocument(const GameFolder &folder, QObject *parent)
    : Document(folder, parent)
{
    for (auto signal : {&SpriteDocument::cellsReset, &SpriteDocument::declaredSizeChanged, &SpriteDocument::nameChanged})
        connect(this, signal, this, &SpriteDocument::noteChange);
    connect(this, &SpriteDocument::cellChanged, this, &SpriteDocument::noteChange);
    connect(this, &SpriteDocument::regionChanged, this, &SpriteDocument::noteChange);
    connect(this, &SpriteDocument::undoChanged, this, &Document::historyChanged);
}

QString SpriteDocument::workName() const
{
    return m_name.isEmpty() ? QStringLiteral("unnamed sprite") : m_name;
}

QString SpriteDocument::unsavedWork() const
{
    const SpriteImage now = snapshot();
    if (!isUnsaved())
        return QString();
    if (m_restored || (m_saveState.isChanged(now) && !m_saveState.isBeingSaved(now)))
        return QStringLiteral("Sprite editor (%1)").arg(workName());
    return QStringLiteral("Sprite editor (%1, still being saved)").arg(workName());
}

bool SpriteDocument::isUnsaved() const
{
    return m_restored || m_saveState.hasUnsavedWork(snapshot());
}

QString SpriteDocument::undoText() const
{
    return m_undo.canUndo() ? m_undo.tooltip().mid(kUndoPrefix.size()) : QString();
}

QString SpriteDocument::redoText() const
{
    return m_undo.canRedo() ? m_undo.redoTooltip().mid(kRedoPrefix.size()) : QString();
}

void SpriteDocument::tookFile(const QString &fallback)
{
    m_saveState.took(snapshot(), m_name, fallback);
    m_restored = false;
    if (m_name.isEmpty())
        setFile(QString(), FileIdentity{});
    else
        takeFile(spriteFileGamePath(m_name));
}

void SpriteDocument::saveEnded(const SpriteImage &saved, const QString &name, bool succeeded)
{
    m_saveState.saveEnded(saved, name, succeeded);
    if (succeeded && name == m_name) {
        if (saved == snapshot())
            m_restored = false;
        takeFile(spriteFileGamePath(name));
    }
    noteChange();
}

QByteArray SpriteDocument::fileBytes() const
{
    return spriteFileBytes(m_width, m_height, rowPixels(m_cells, m_width, m_height));
}

QJsonObject SpriteDocument::windowState() const
{
    // All 40 x 40 cells, those outside the declared size too, a row each.
    QJsonArray rows;
    for (int y = 0; y < kSide; ++y) {
        QByteArray row(kSide, Qt::Uninitialized);
        for (int x = 0; x < kSide; ++x)
            row[x] = char(m_cells.at(x, y));
        rows.append(QString::fromLatin1(row.toHex()));
    }
    return QJsonObject{{kName, m_name}, {kCells, rows}};
}

Status SpriteDocument::restore(const QByteArray &fileBytes, const QJsonObject &windowState)
{
    const SpriteFileContents contents = parseSpriteFile(fileBytes);
    if (!contents.fallback.isEmpty() || contents.width < 1 || contents.height < 1)
        return Status::failure(QStringLiteral("the copy's sprite cannot be read: %1").arg(contents.fallback));
    const QJsonValue name = windowState.value(kName);
    const QJsonArray rows = windowState.value(kCells).toArray();
    if (!name.isString() || rows.size() != kSide)
        return Status::failure(QStringLiteral("the copy does not hold the editor's cells"));
    CellGrid cells;
    for (int y = 0; y < kSide; ++y) {
        const QByteArray row = QByteArray::fromHex(rows[y].toString().toLatin1());
        if (row.size() != kSide || rows[y].toString().size() != 2 * kSide)
            return Status::failure(QStringLiteral("row %1 of the copy's cells is damaged").arg(y));
        for (int x = 0; x < kSide; ++x)
            cells.set(x, y, std::uint8_t(row[x]));
    }
    // The file's pixels win inside the declared size.
    for (int y = 0; y < contents.height; ++y)
        for (int x = 0; x < contents.width; ++x)
            cells.set(x, y, contents.pixels.at(x, y));
    SaveUndo(QStringLiteral("restore unsaved work"));
    take(name.toString(), contents.width, contents.height, cells);
    m_restored = true;
    noteChange();
    return Status::success();
}

Status SpriteDocument::reload()
{
    if (m_name.isEmpty())
        return Status::failure(QStringLiteral("The sprite has no name yet."));
    const Result<SpriteFileContents> contents = readSpriteFile(folder().resolve(spriteFileGamePath(m_name)));
    if (!contents)
        return contents.status();
    SaveUndo(QStringLiteral("load sprite"));
    loadSprite(m_name, contents.value());
    tookFile(contents->fallback);
    return Status::success();
}

void SpriteDocument::setCell(int x, int y, std::uint8_t index)
{
    if (!CellGrid::contains(x, y))
        return;
    m_cells.set(x, y, index);
    cellsEdited();
    Q_EMIT cellChanged(x, y);
}

void SpriteDocument::setCells(const CellGrid &cells)
{
    m_cells = cells;
    cellsEdited();
    Q_EMIT cellsReset();
}

void SpriteDocument::setCells(const CellGrid &cells, const QRect &changedRegion)
{
    m_cells = cells;
    cellsEdited();
    const QRect region = changedRegion & QRect(0, 0, kSide, kSide);
    if (!region.isEmpty())
        Q_EMIT regionChanged(region);
}

int SpriteDocument::clampSize(double value)
{
    if (!(value >= 1))
        return 1;
    if (value > kSide)
        return kSide;
    return static_cast<int>(value);
}

void SpriteDocument::setXSize(int width)
{
    width = clampSize(width);
    if (width == m_width)
        return;
    m_width = width;
    Q_EMIT declaredSizeChanged();
}

void SpriteDocument::setYSize(int height)
{
    height = clampSize(height);
    if (height == m_height)
        return;
    m_height = height;
    Q_EMIT declaredSizeChanged();
}

void SpriteDocument::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    Q_EMIT nameChanged();
}

SpriteImage SpriteDocument::snapshot() const
{
    return m_cells.toImage(m_width, m_height);
}

void SpriteDocument::SaveUndo(const QString &name)
{
    m_undo.record(name, snapshot());
    Q_EMIT undoChanged();
}

bool SpriteDocument::Undo()
{
    return takeFromRing(m_undo.undo(snapshot()));
}

bool SpriteDocument::Redo()
{
    return takeFromRing(m_undo.redo());
}

bool SpriteDocument::takeFromRing(const std::optional<SpriteImage> &image)
{
    if (!image)
        return false;
    dropFloatingArea();
    restore(*image);
    Q_EMIT undoChanged();
    return true;
}

void SpriteDocument::cellsEdited()
{
    // Painting with the keyboard records no snapshot, yet what was undone
    // cannot come back over it.
    if (!m_undo.canRedo())
        return;
    m_undo.dropRedo();
    Q_EMIT undoChanged();
}

void SpriteDocument::restore(const SpriteImage &image)
{
    setXSize(image.width());
    setYSize(image.height());
    m_cells = CellGrid::fromImage(image);
    Q_EMIT cellsReset();
}

void SpriteDocument::newSprite()
{
    SaveUndo(QStringLiteral("new sprite"));
    setName(QString());
    setCells(CellGrid());
}

void SpriteDocument::loadSprite(const QString &name, const SpriteFileContents &contents)
{
    take(name, contents.width, contents.height, contents.pixels);
}

void SpriteDocument::importImage(int width, int height, const CellGrid &pixels)
{
    SaveUndo(QStringLiteral("import image"));
    take(QString(), width, height, pixels);
}

void SpriteDocument::take(const QString &name, int width, int height, const CellGrid &cells)
{
    setName(name);
    setXSize(width);
    setYSize(height);
    setCells(cells);
}

void SpriteDocument::dropFloatingArea()
{
    if (!m_selection.selectorShown)
        return;
    editSelection([](SpriteSelection &s) { s.selectorShown = false; });
}

void SpriteDocument::commitSelection()
{
    editSelection([this](SpriteSelection &s) {
        s.rubberBandShown = false;
        s.selectorRect = s.rubberBandRect();
        s.selectorAppearance = 1;
        s.selectorShown = true;
        s.AreaBuf.setWidth(s.SelW);
        s.AreaBuf.setHeight(s.SelH);
        int counter = 2;
        for (int x = s.SelX; x < s.SelX + s.SelW; ++x)
            for (int y = s.SelY; y < s.SelY + s.SelH; ++y, ++counter)
                if (counter < SpriteImage::kBytes)
                    s.AreaBuf.bytes[static_cast<std::size_t>(counter)] =
                        CellGrid::contains(x, y) ? m_cells.at(x, y) : 0;
    });
}

} // namespace tav
