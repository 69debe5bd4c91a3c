#include "ui/enemy/enemy_editor.h"

#include "core/common/windows1252.h"
#include "core/enemy/unit_catalog.h"
#include "core/enemy/unit_codes.h"
#include "ui/common/button_shortcuts.h"
#include "ui/common/form_watch.h"
#include "ui/common/history_controls.h"
#include "ui/enemy/enemy_sprite_picture.h"
#include "ui/enemy/up_down.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/platform/launcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace tav {

using namespace enemy;

namespace {

const QString kCaptionPrefix = QStringLiteral("Enemy editor - ");
const QString kNoName = QStringLiteral("NONAME");

void selectFirstEntries(std::initializer_list<QComboBox *> lists)
{
    for (QComboBox *list : lists)
        list->setCurrentIndex(0);
}

} // namespace

Form16::Form16(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(kCaptionPrefix + kNoName);
    buildControls();
    Form_Load();
    m_document.start(shownUnit());
    m_document.setPrompts(&platform::documentPrompts());
    m_watch = new FormWatch(
        this, [this] { m_document.edit(shownUnit()); }, [this] { m_document.commit(); });
    m_watch->watchControls({m_combo1});
    connect(m_combo1, &QComboBox::editTextChanged, this, &Form16::nameDocument);
    connect(&m_document, &Document::formReplaced, this, [this] { showUnit(m_document.form()); });
    connect(&m_document, &enemy::UnitDocument::unitFilesChanged, this, &Form16::rebuildUnitNames);
    addButtonShortcuts(this, {{"Ctrl+S", "Command2"}, {"Ctrl+O", "Command1"}});
    nameDocument();
}

Form16::~Form16()
{
    hide();
}

QString Form16::unsavedWork() const
{
    return m_document.unsavedWork();
}

void Form16::nameDocument()
{
    // After a save the name box is empty; the caption still names the unit.
    const QString name = m_combo1->currentText().isEmpty() ? windowTitle().mid(kCaptionPrefix.size())
                                                           : m_combo1->currentText();
    m_document.setUnitName(name);
}

bool Form16::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && platform::offerReload(m_document))
        setWindowTitle(kCaptionPrefix + m_document.unitName());
    return handled;
}

void Form16::Form_Load()
{
    rebuildUnitNames();
    m_combo1->setEditText(kNoName);
    selectFirstEntries({m_combo2, m_combo3, m_combo4, m_combo5});
    refillSpriteList();
}

void Form16::rebuildUnitNames()
{
    const QSignalBlocker quiet(m_combo1);
    m_combo1->clear();
    m_combo1->addItems(unitNames(m_folder));
    m_combo1->setCurrentIndex(-1);
    m_combo1->clearEditText();
}

void Form16::refillSpriteList()
{
    {
        const QSignalBlocker quiet(m_list1);
        m_list1->clear();
        m_list1->addItems(unitSpriteNames(m_folder, m_check3->isChecked()));
    }
    if (m_list1->count() > 0)
        selectSprite(0);
}

void Form16::selectSprite(int row)
{
    {
        const QSignalBlocker quiet(m_list1);
        m_list1->setCurrentRow(row);
    }
    List1_Click();
}

void Form16::Combo1_Change()
{
    QLineEdit *edit = m_combo1->lineEdit();
    const TypedUnitName fitted = fitTypedUnitName(edit->text(), edit->cursorPosition());
    if (fitted.text == edit->text())
        return;
    const QSignalBlocker quiet(m_combo1);
    edit->setText(fitted.text);
    edit->setCursorPosition(fitted.caret);
}

void Form16::Check3_Click()
{
    if (m_check3->isChecked()) {
        m_check2->setChecked(false);
        m_check2->setEnabled(false);
    }
    refillSpriteList();
}

void Form16::List1_Click()
{
    m_check2->setChecked(false);
    m_check2->setEnabled(false);
    const QListWidgetItem *item = m_list1->currentItem();
    if (item && hasZombieSprite(m_folder, item->text())) {
        m_check2->setEnabled(true);
        m_check2->setChecked(true);
    }
    showSpritePicture();
}

void Form16::showSpritePicture()
{
    const QListWidgetItem *item = m_list1->currentItem();
    m_spritePicture->showSprite(item ? item->text() : QString(), m_check3->isChecked(), m_check2->isChecked());
}

void Form16::Text3_LostFocus()
{
    m_text3->setText(normalizedHealthText(m_text3->text()));
}

bool Form16::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text3 && event->type() == QEvent::FocusOut)
        Text3_LostFocus();
    return QWidget::eventFilter(watched, event);
}

void Form16::setCaptionFromName()
{
    setWindowTitle(kCaptionPrefix + m_combo1->currentText());
    nameDocument();
}

bool Form16::acceptUnitName(QString &name) const
{
    name = m_combo1->currentText();
    const Status ok = checkUnitName(name);
    if (!ok)
        platform::showError(ok.error());
    return ok.ok();
}

void Form16::Command1_Click()
{
    QString name;
    if (!acceptUnitName(name))
        return;
    setCaptionFromName();
    const UnitReading reading = readUnitFile(m_folder, name);
    {
        const FormWatch::Repainting repainting(*m_watch);
        showReading(reading);
    }
    // Fields a failed load set before it stopped are a step too.
    m_document.change(QStringLiteral("load %1").arg(name), shownUnit());
    if (!reading.complete()) {
        platform::showError(QStringLiteral("File not found!"), QStringLiteral("Error"), reading.error);
        return;
    }
    m_document.markSaved();
    m_document.takeUnitFile(name);
}

// Shows the fields a reading produced in file order, so a reading that
// stopped early leaves the later fields as they were.
void Form16::showReading(const UnitReading &reading)
{
    const Unit &unit = reading.unit;
    if (reading.has(UnitLine::Description)) {
        m_text1->setMaxLength(std::max<int>(kDescriptionLength, unit.description.size()));
        m_text1->setText(unit.description);
    }
    if (!reading.has(UnitLine::Behaviour))
        return;
    if (unit.behaviour >= 0 && unit.behaviour < int(m_option1.size()))
        m_option1[std::size_t(unit.behaviour)]->setChecked(true);
    m_check3->setChecked(unit.boss);  // a change refills the sprite list

    const QString wanted = upperCaseIn1252(unit.sprite);
    int match = -1;
    for (int row = 0; row < m_list1->count(); ++row)
        if (m_list1->item(row)->text() == wanted)
            match = row;
    if (match >= 0)
        selectSprite(match);

    if (reading.has(UnitLine::Speed))
        m_speed->setValue(unit.speed);
    if (reading.has(UnitLine::AfraidOf))
        m_combo2->setCurrentIndex(unit.afraidOf);
    if (reading.has(UnitLine::CannotBeHurtWith))
        m_combo3->setCurrentIndex(unit.cannotBeHurtWith);
    if (reading.has(UnitLine::Health))
        m_health->setValue(unit.health);
    if (reading.has(UnitLine::Attack))
        m_attack->setValue(unit.attack);
    if (reading.has(UnitLine::HeavyBody))
        m_check1->setChecked(unit.heavyBody);
    if (reading.has(UnitLine::ZombieLike))
        m_check2->setChecked(unit.zombieLike);
    if (reading.has(UnitLine::Shooting))
        m_combo4->setCurrentIndex(unit.shooting);
    if (reading.has(UnitLine::Teleporting) && !reading.teleportingKept)
        m_combo5->setCurrentIndex(unit.teleporting);
}

Unit Form16::shownUnit() const
{
    Unit unit;
    unit.description = m_text1->text();
    const QListWidgetItem *sprite = m_list1->currentItem();
    unit.sprite = sprite ? sprite->text() : QString();
    unit.behaviour = -1;
    for (std::size_t i = 0; i < m_option1.size(); ++i)
        if (m_option1[i]->isChecked())
            unit.behaviour = int(i);
    unit.boss = m_check3->isChecked();
    unit.speed = m_speed->value();
    unit.afraidOf = m_combo2->currentIndex();
    unit.cannotBeHurtWith = m_combo3->currentIndex();
    unit.health = m_health->value();
    unit.attack = m_attack->value();
    unit.heavyBody = m_check1->isChecked();
    unit.zombieLike = m_check2->isChecked();
    unit.shooting = m_combo4->currentIndex();
    unit.teleporting = m_combo5->currentIndex();
    return unit;
}

void Form16::Command2_Click()
{
    QString name;
    if (!acceptUnitName(name))
        return;
    setCaptionFromName();
    m_document.commit();
    if (!m_document.mayWrite(unitFilePath(name)))
        return;
    const Unit unit = shownUnit();
    if (const Status written = writeUnitFile(m_folder, name, unit); !written) {
        platform::showError(QStringLiteral("File could not be saved!"), QStringLiteral("Error"), written.error());
        return;
    }
    m_document.markSaved();
    const QByteArray bytes = unitFileBytes(unit);
    m_document.takeUnitFile(name, &bytes);
    rebuildUnitNames();
}

void Form16::Command3_Click()
{
    const Unit fresh;
    const FormWatch::Repainting repainting(*m_watch);
    m_check3->setChecked(fresh.boss);
    m_combo2->setCurrentIndex(fresh.afraidOf);
    m_combo3->setCurrentIndex(fresh.cannotBeHurtWith);
    m_combo4->setCurrentIndex(fresh.shooting);
    m_combo5->setCurrentIndex(fresh.teleporting);
    m_speed->setValue(fresh.speed);
    m_option1[std::size_t(fresh.behaviour)]->setChecked(true);
    m_health->setValue(fresh.health);
    m_attack->setValue(fresh.attack);
    m_check1->setChecked(fresh.heavyBody);
    m_check2->setChecked(fresh.zombieLike);
    m_text1->setMaxLength(kDescriptionLength);
    m_text1->setText(fresh.description);
    m_combo1->setEditText(kNoName);
    setCaptionFromName();
    // A new unit loses nothing; it belongs to no file yet.
    m_document.change(QStringLiteral("new unit"), shownUnit());
    m_document.markSaved();
    m_document.setFile(QString(), FileIdentity{});
}

void Form16::Command4_Click()
{
    platform::startCommand(m_folder, QStringLiteral("NOTEPAD HELP\\UNITS.txt"));
}

void Form16::Command5_Click()
{
    QString name;
    if (!acceptUnitName(name))
        return;
    const platform::Answer answer
        = platform::showMessage(QStringLiteral("Do you want to delete the UNI file '") + name + QLatin1Char('\''),
                                QStringLiteral("Warning!"), platform::Icon::Exclamation, platform::Buttons::YesNo);
    if (answer != platform::Answer::Yes)
        return;
    // A step: undo writes the file back. Its failures are ignored as before.
    if (!m_document.deleteUnit(name))
        deleteUnitFile(m_folder, name);
    rebuildUnitNames();
}

void Form16::showUnit(const Unit &unit)
{
    const FormWatch::Repainting repainting(*m_watch);
    UnitReading reading;
    reading.unit = unit;
    reading.linesRead = kUnitFileLines;
    showReading(reading);
}

} // namespace tav
