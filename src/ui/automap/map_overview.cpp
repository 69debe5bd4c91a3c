#include "ui/automap/map_overview.h"

#include "core/automap/automap_table.h"
#include "core/automap/goal_map_rules.h"
#include "core/automap/map_file_name.h"
#include "core/automap/map_scan.h"
#include "core/common/number_field.h"
#include "ui/common/artwork.h"
#include "ui/common/button_shortcuts.h"
#include "ui/common/form_watch.h"
#include "ui/common/history_controls.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/platform/launcher.h"
#include "ui/platform/please_wait.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QToolButton>

namespace tav {
namespace {

constexpr int kCellSide = 24;

const QString kNoEntryNote = QStringLiteral("no entry for this square in AUTOMAP.DAT");
const QString kUnreadableNote = QStringLiteral("AUTOMAP.DAT could not be read");

QPushButton *makeButton(QWidget *parent, const char *name, const char *caption)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLineEdit *makeCoordinateBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(QStringLiteral("01"), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(36);
    return box;
}

} // namespace

Form4::Form4(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("MAPs"));

    m_grid = new QTableWidget(kWorldRows, kWorldColumns, this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setCornerButtonEnabled(false);
    for (QHeaderView *header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(kCellSide);
        header->setDefaultSectionSize(kCellSide);
        header->setDefaultAlignment(Qt::AlignCenter);
        header->setSectionsClickable(false);
    }
    m_grid->horizontalHeader()->setFixedHeight(kCellSide);
    m_grid->verticalHeader()->setFixedWidth(kCellSide);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(kCellSide * (kWorldColumns + 1) + frame, kCellSide * (kWorldRows + 1) + frame);

    m_text1 = makeCoordinateBox(this, "Text1");
    m_text2 = makeCoordinateBox(this, "Text2");
    m_text3 = new QLineEdit(this);
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->setMinimumWidth(220);
    // The old text stays in the box when a square has no entry; this says so.
    m_entryNote = new QLabel(this);
    m_entryNote->setObjectName(QStringLiteral("EntryNote"));
    // Room for the longest note, so the window keeps its size as notes come and go.
    QSize noteRoom(0, m_entryNote->fontMetrics().height());
    for (const QString &note : {kNoEntryNote, kUnreadableNote}) {
        m_entryNote->setText(note);
        noteRoom = noteRoom.expandedTo(m_entryNote->sizeHint());
    }
    m_entryNote->clear();
    m_entryNote->setMinimumSize(noteRoom);

    auto *command1 = makeButton(this, "Command1", "Launch MAP editor");
    auto *command2 = makeButton(this, "Command2", "MAPEDIT.txt");
    auto *command3 = makeButton(this, "Command3", "check for existing MAPs");
    auto *command4 = makeButton(this, "Command4", "DATFiles.txt (Automap)");
    auto *command5 = makeButton(this, "Command5", "save this entry ^");
    const QString hint =
        QStringLiteral("Note: A square appears marked when there is any MAP with the specific X/Y coordinates!");
    command3->setToolTip(hint);
    auto *note = new QLabel(hint, this);
    note->setObjectName(QStringLiteral("Label3"));
    note->setWordWrap(true);

    auto *label1 = new QLabel(QStringLiteral("Selected cell:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto *label2 = new QLabel(QStringLiteral("AUTOMAP string:"), this);
    label2->setObjectName(QStringLiteral("Label2"));

    auto *cellRow = new QHBoxLayout;
    cellRow->addWidget(label1);
    cellRow->addWidget(m_text1);
    cellRow->addWidget(m_text2);
    cellRow->addStretch();
    // The undo and redo controls take the free room left of the logo.
    auto *history = new HistoryControls(this, m_document);
    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(history->undoButton(), 0, Qt::AlignTop);
    logoRow->addWidget(history->redoButton(), 0, Qt::AlignTop);
    logoRow->addStretch();
    logoRow->addWidget(addLogo(this, 0, 0));

    auto *side = new QVBoxLayout;
    side->addLayout(logoRow);
    side->addLayout(cellRow);
    side->addSpacing(6);
    side->addWidget(label2);
    side->addWidget(m_text3);
    side->addWidget(m_entryNote);
    side->addWidget(command5);
    side->addSpacing(16);
    side->addWidget(command3);
    side->addWidget(note);
    side->addStretch();
    side->addWidget(command1);
    side->addWidget(command2);
    side->addWidget(command4);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 0, Qt::AlignTop);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    m_watch = new FormWatch(
        this,
        [this] {
            AutomapEntry entry = m_document.form();
            entry.text = m_text3->text();
            m_document.edit(entry);
        },
        [this] { m_document.commit(); });
    m_watch->watchControls({m_text1, m_text2});
    m_document.setPrompts(&platform::documentPrompts());
    connect(&m_document, &Document::formReplaced, this, &Form4::showEntry);
    addButtonShortcuts(this, {{"Ctrl+S", "Command5"}});
    history->watchTextBoxes();

    Form_Load();
}

Form4::~Form4()
{
    hide();
}

void Form4::Form_Load()
{
    for (int x = 1; x <= kWorldColumns; ++x)
        m_grid->setHorizontalHeaderItem(x - 1, new QTableWidgetItem(twoDigits(x)));
    for (int y = 1; y <= kWorldRows; ++y)
        m_grid->setVerticalHeaderItem(y - 1, new QTableWidgetItem(twoDigits(y)));
    for (int row = 0; row < kWorldRows; ++row) {
        for (int column = 0; column < kWorldColumns; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(row, column, cell);
        }
    }
    // Nothing is read until the user selects a cell.
    m_grid->setCurrentCell(0, 0);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { Grid_RowColChange(); });
}

void Form4::Grid_RowColChange()
{
    const int x = m_grid->currentColumn() + 1;
    const int y = m_grid->currentRow() + 1;
    if (x < 1 || y < 1)
        return;
    m_document.selectSquare(x, y);
    showEntry();
}

void Form4::showNote()
{
    switch (m_document.reading()) {
    case AutomapEntryDocument::Reading::Found: m_entryNote->setText(QString()); break;
    case AutomapEntryDocument::Reading::NoEntry: m_entryNote->setText(kNoEntryNote); break;
    case AutomapEntryDocument::Reading::Unreadable:
        m_entryNote->setText(kUnreadableNote);
        break;
    }
}

void Form4::showEntry()
{
    const FormWatch::Repainting repainting(*m_watch);
    const AutomapEntry &entry = m_document.form();
    if (m_grid->currentRow() != entry.y - 1 || m_grid->currentColumn() != entry.x - 1) {
        const QSignalBlocker quiet(m_grid);
        m_grid->setCurrentCell(entry.y - 1, entry.x - 1);
    }
    m_text1->setText(twoDigits(entry.x));
    m_text2->setText(twoDigits(entry.y));
    if (m_text3->text() != entry.text)
        m_text3->setText(entry.text);
    showNote();
}

bool Form4::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        platform::offerReload(m_document);
    return handled;
}

void Form4::Command1_Click()
{
    platform::startCommand(m_folder, QStringLiteral("MAPEDIT"));
}

void Form4::Command2_Click()
{
    platform::startCommand(m_folder, QStringLiteral("NOTEPAD HELP\\MAPEDIT.txt"));
}

void Form4::Command4_Click()
{
    platform::startCommand(m_folder, QStringLiteral("NOTEPAD HELP\\DATFiles.txt"));
}

void Form4::Command3_Click()
{
    platform::PleaseWait wait(this);
    const MarkedSquares squares = scanForExistingMaps(m_folder);
    for (int y = 1; y <= kWorldRows; ++y) {
        for (int x = 1; x <= kWorldColumns; ++x)
            m_grid->item(y - 1, x - 1)->setText(squares.isMarked(x, y) ? QStringLiteral("XX") : QString());
    }
}

void Form4::Command5_Click()
{
    m_document.commit();
    if (!m_document.mayWriteEntry())
        return;
    int updated = 0;
    const Status saved = saveAutomapString(m_folder, wholeValue(m_text1->text()), wholeValue(m_text2->text()),
                                           m_text3->text(), &updated);
    if (!saved) {
        platform::showError(QStringLiteral("The automap entry of square %1/%2 could not be saved in %3.")
                                .arg(m_text1->text(), m_text2->text(), kAutomapTablePath),
                            QStringLiteral("Error"), saved.error());
        return;
    }
    if (updated > 0) {
        m_document.markEntrySaved();
        return;
    }
    m_entryNote->setText(kNoEntryNote);
    platform::showMessage(QStringLiteral("Nothing was saved: GAMEDATA\\AUTOMAP.DAT has no entry for square %1/%2, "
                                         "and this window only changes entries that exist. The table was written "
                                         "back unchanged. Entries are added to the table itself; "
                                         "\"DATFiles.txt (Automap)\" describes it.")
                              .arg(m_text1->text(), m_text2->text()),
                          QStringLiteral("Information"), platform::Icon::Information);
}

QString Form4::unsavedWork() const
{
    return m_document.unsavedWork();
}

} // namespace tav
