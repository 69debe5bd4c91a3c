#include "ui/savegame/savegame_editor.h"

#include "core/savegame/data_set.h"
#include "core/savegame/inventory.h"
#include "core/savegame/slot_list.h"
#include "core/common/text_file.h"
#include "ui/common/artwork.h"
#include "ui/common/button_shortcuts.h"
#include "ui/common/form_watch.h"
#include "ui/common/history_controls.h"
#include "ui/common/twips.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/savegame/goal_map_frame.h"
#include "ui/savegame/hero_page.h"
#include "ui/savegame/inventory_page.h"
#include "ui/savegame/slots_dialog.h"
#include "ui/savegame/weapons_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QToolButton>

namespace tav {
namespace {

// Widths of the data set list: narrow for the default set, wide for a slot
// name.
constexpr int kDefaultListWidth = 1815;
constexpr int kSlotListWidth = 2775;

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit *lockedBox(const QString &name, int width, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFixedWidth(width);
    return box;
}

// The goal and MAP frame's text boxes, each with the savegame field that
// holds its text.
QList<std::pair<QLineEdit *, QString *>> goalAndMapBoxes(const GoalMapFrame *frame, GoalAndMapTexts &texts)
{
    const std::pair<const char *, QString *> fields[] = {{"MAPX", &texts.mapX},   {"MAPY", &texts.mapY},
                                                         {"MAPZ", &texts.mapZ},   {"GOALX", &texts.goalX},
                                                         {"GOALY", &texts.goalY}, {"GOALNr", &texts.goalNr}};
    QList<std::pair<QLineEdit *, QString *>> boxes;
    for (const auto &[name, text] : fields) {
        if (auto *box = frame->findChild<QLineEdit *>(QString::fromLatin1(name)))
            boxes.append({box, text});
    }
    return boxes;
}

} // namespace

Form6::Form6(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("SaveGame Editor"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QGridLayout;
    top->addWidget(addLogo(this, 0, 0), 0, 0, 2, 1, Qt::AlignTop);

    auto *dataSet = new QHBoxLayout;
    dataSet->addWidget(new QLabel(QStringLiteral("Savegame #:"), this));
    m_text1 = lockedBox(QStringLiteral("Text1"), 36, this);
    dataSet->addWidget(m_text1);
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    dataSet->addWidget(m_combo1);
    auto *setup = button(QStringLiteral("setup slots..."), QStringLiteral("Command8"), this);
    dataSet->addWidget(setup);
    m_train = new QCheckBox(QStringLiteral("training"), this);
    m_train->setObjectName(QStringLiteral("Train"));
    dataSet->addWidget(m_train);
    dataSet->addSpacing(8);
    dataSet->addWidget(new QLabel(QStringLiteral("folder:"), this));
    m_mapDir = lockedBox(QStringLiteral("MAPDir"), 60, this);
    dataSet->addWidget(m_mapDir);
    dataSet->addSpacing(8);
    m_fieldsFrom = new QLabel(fieldOriginText(std::nullopt), this);
    m_fieldsFrom->setObjectName(QStringLiteral("FieldsFrom"));
    dataSet->addWidget(m_fieldsFrom);
    dataSet->addStretch(1);
    top->addLayout(dataSet, 0, 1);

    auto *commands = new QHBoxLayout;
    auto *load = button(QStringLiteral("load"), QStringLiteral("Command1"), this);
    auto *save = button(QStringLiteral("save"), QStringLiteral("Command2"), this);
    m_delete = button(QStringLiteral("delete"), QStringLiteral("Command3"), this);
    commands->addWidget(load);
    commands->addWidget(save);
    commands->addWidget(m_delete);
    auto *history = new HistoryControls(this, m_document);
    commands->addSpacing(8);
    commands->addWidget(history->undoButton());
    commands->addWidget(history->redoButton());
    commands->addStretch(1);
    top->addLayout(commands, 1, 1);
    layout->addLayout(top);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_heroPage = new HeroPage(m_folder, m_state.hero, m_tabs);
    m_weaponsPage = new WeaponsPage(m_state.hero, m_tabs);
    m_inventoryPage = new InventoryPage(m_state.inventory, m_itemNames, m_tabs);
    m_tabs->addTab(m_heroPage, QStringLiteral("Basic hero data"));
    m_tabs->addTab(m_weaponsPage, QStringLiteral("Weapons, spells etc."));
    m_tabs->addTab(m_inventoryPage, QStringLiteral("Inventory"));
    layout->addWidget(m_tabs, 1);

    connect(m_combo1, &QComboBox::activated, this, &Form6::Combo1_Click);
    connect(setup, &QPushButton::clicked, this, &Form6::Command8_Click);
    connect(load, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(save, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(m_delete, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(m_train, &QCheckBox::toggled, this, [this] { m_document.setChoice(dataSetIndex(), m_train->isChecked()); });
    connect(m_inventoryPage, &InventoryPage::inventoryChanged, this,
            [this](const QString &stepName) { m_document.change(stepName, shownState()); });

    Form_Load();
    history->watchTextBoxes();
    m_document.setPrompts(&platform::documentPrompts());
    m_watch = new FormWatch(
        this, [this] { m_document.edit(shownState()); }, [this] { m_document.commit(); });
    m_watch->watchControls({m_combo1, m_train});
    connect(&m_document, &Document::formReplaced, this, &Form6::showDocument);
    addButtonShortcuts(this, {{"Ctrl+S", "Command2"}, {"Ctrl+O", "Command1"}});
}

Form6::~Form6()
{
    hide();
}

void Form6::Form_Load()
{
    fillDataSetList();
    m_itemNames = readItemNames(m_folder);
    m_state.inventory.clear();
    m_state.hero.setArmor(0);
    showState();
    m_document.start(shownState());
}

void Form6::fillDataSetList()
{
    {
        const QSignalBlocker block(m_combo1);
        m_combo1->clear();
        m_combo1->addItems(dataSetEntries(readSlotNames(m_folder)));
        m_combo1->setCurrentIndex(0);
    }
    Combo1_Click();
}

int Form6::dataSetIndex() const
{
    return qMax(0, m_combo1->currentIndex());
}

QString Form6::mapDir() const
{
    return m_mapDir->text();
}

QString Form6::playerFilePath() const
{
    return dataSetFilePath(mapDir(), playerFileName(dataSetIndex(), m_train->isChecked()));
}

GoalMapFrame *Form6::goalMapFrame() const
{
    return m_heroPage->goalMapFrame();
}

void Form6::Combo1_Click()
{
    const int index = dataSetIndex();
    const bool slot = isSlot(index);
    m_text1->setText(slot ? QString::number(index) : QStringLiteral("DEF"));
    goalMapFrame()->setSlotActionsEnabled(slot);
    m_mapDir->setText(dataSetFolderName(index));
    m_delete->setEnabled(slot);
    m_combo1->setFixedWidth(px(slot ? kSlotListWidth : kDefaultListWidth));
    goalMapFrame()->setMapDir(dataSetFolderPath(mapDir()));
    goalMapFrame()->Finder();
    m_document.setChoice(index, m_train->isChecked());
}

void Form6::Command1_Click()
{
    takeGoalAndMapTexts();
    const FieldOrigin origin = selectedFile();
    {
        const FormWatch::Repainting repainting(*m_watch);
        if (const Status loaded = loadPlayerFile(m_folder, playerFilePath(), m_state); !loaded) {
            platform::showError(QStringLiteral("The SaveGame file could not be opened!"), QStringLiteral("Error"),
                                loaded.error());
            return;
        }
        showState();
        showGoalAndMapTexts();
    }
    goalMapFrame()->Finder();
    m_document.change(SaveGameDocument::loadStepName(origin), shownState());
    m_document.markSaved();
    m_document.takeOrigin(origin);
    showFieldOrigin();
}

void Form6::Command2_Click()
{
    const FieldOrigin target = selectedFile();
    if (const std::optional<QString> question =
            saveIntoOtherSetQuestion(m_document.origin(), target, m_combo1->itemText(target.dataSet));
        question && !platform::askYesNo(*question, QStringLiteral("Save SaveGame")))
        return;
    takeGoalAndMapTexts();
    m_document.edit(shownState());
    m_document.commit();
    if (!m_document.mayWrite(playerFilePath()))
        return;
    if (const Status saved = savePlayerFile(m_folder, playerFilePath(), m_state); !saved) {
        platform::showError(QStringLiteral("The SaveGame file could not be saved!"), QStringLiteral("Error"),
                            saved.error());
        return;
    }
    m_document.markSaved();
    const QByteArray bytes = m_document.fileBytes();
    m_document.takeOrigin(target, &bytes);
    showFieldOrigin();
}

PlayerState Form6::shownState() const
{
    PlayerState shown = m_state;
    for (const auto &[box, text] : goalAndMapBoxes(goalMapFrame(), shown.goalAndMap))
        *text = box->text();
    return shown;
}

QString Form6::unsavedWork() const
{
    return m_document.unsavedWork();
}

FieldOrigin Form6::selectedFile() const
{
    return {dataSetIndex(), playerFileName(dataSetIndex(), m_train->isChecked())};
}

void Form6::showFieldOrigin()
{
    m_fieldsFrom->setText(fieldOriginText(m_document.origin()));
}

void Form6::showDocument()
{
    {
        const FormWatch::Repainting repainting(*m_watch);
        if (m_document.dataSet() != dataSetIndex()) {
            m_combo1->setCurrentIndex(m_document.dataSet());
            Combo1_Click();
        }
        m_train->setChecked(m_document.training());
        m_state = m_document.form();
        showState();
        showGoalAndMapTexts();
    }
    goalMapFrame()->Finder();
    showFieldOrigin();
}

bool Form6::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        platform::offerReload(m_document);
    return handled;
}

void Form6::Command3_Click()
{
    const int slot = dataSetIndex();
    if (!isSlot(slot))
        return;
    if (platform::showMessage(QStringLiteral("Are you sure?"), QStringLiteral("Delete SaveGame"),
                              platform::Icon::Exclamation, platform::Buttons::OkCancel)
        != platform::Answer::Ok)
        return;
    QStringList failures;
    if (const Status deleted = deleteSlotFiles(m_folder, slot); !deleted)
        failures.append(deleted.error());
    m_combo1->setItemText(slot, kUnusedSlotName);
    QStringList names = readSlotNames(m_folder);
    names[slot - 1] = kUnusedSlotName;
    if (const Status written = writeSlotNames(m_folder, names); !written)
        failures.append(written.error());
    if (!failures.isEmpty())
        platform::showError(failures.join(QLatin1Char('\n')));
    goalMapFrame()->Finder();
}

void Form6::Command8_Click()
{
    Form11 dialog(m_folder, this);
    dialog.exec();
    fillDataSetList();
}

void Form6::showState()
{
    m_heroPage->showState();
    m_weaponsPage->showState();
    m_inventoryPage->showState();
}

void Form6::takeGoalAndMapTexts()
{
    for (const auto &[box, text] : goalAndMapBoxes(goalMapFrame(), m_state.goalAndMap))
        *text = box->text();
}

void Form6::showGoalAndMapTexts()
{
    for (const auto &[box, text] : goalAndMapBoxes(goalMapFrame(), m_state.goalAndMap))
        box->setText(*text);
}

} // namespace tav
