#include "ui/definitions/add_idle_sound_dialog.h"

#include "core/definitions/animation_frames.h"
#include "ui/common/artwork.h"
#include "ui/definitions/list_selection.h"
#include "ui/platform/dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tav {

Form10::Form10(const GameFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Add person idle sound"));
    setModal(true);

    m_list1 = makeList(QStringLiteral("List1"), this);
    m_list2 = makeList(QStringLiteral("List2"), this);
    m_list2->hide();
    m_file1 = makeList(QStringLiteral("File1"), this);

    m_slider1 = new QSlider(Qt::Horizontal, this);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setRange(kFirstAnimationFrame, kLastAnimationFrame);
    m_slider1->setPageStep(1);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setTickInterval(1);
    connect(m_slider1, &QSlider::valueChanged, this, &Form10::Slider1_Scroll);

    m_text1 = new QLineEdit(animationFrameName(kFirstAnimationFrame), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);

    auto *command1 = new QPushButton(QStringLiteral("OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &Form10::Command1_Click);

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Select a person:"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Select a sound file:"), this), 0, 1);
    lists->addWidget(m_list1, 1, 0);
    lists->addWidget(m_file1, 1, 1);

    auto *frame = new QHBoxLayout;
    frame->addWidget(m_slider1, 1);
    frame->addWidget(m_text1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addLogo(this, 0, 0));
    buttons->addStretch(1);
    buttons->addWidget(command1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(new QLabel(QStringLiteral("Select animation frame:"), this));
    layout->addLayout(frame);
    layout->addLayout(buttons);
    resize(460, 380);

    loadPeopleAndSounds();
}

void Form10::loadPeopleAndSounds()
{
    QStringList problems;
    if (m_folder.isFolder(kSoundsFolder))
        m_file1->addItems(m_folder.list(kSoundsFolder, kSoundFilePattern));
    else
        problems << QStringLiteral("The folder %1 does not exist, so there are no sound files to choose.")
                        .arg(kSoundsFolder);

    Result<QList<Person>> people = readPeople(m_folder);
    if (people) {
        m_people = std::move(people.value());
        for (const Person &person : m_people) {
            m_list1->addItem(person.name);
            m_list2->addItem(person.key);
        }
    } else {
        problems << QStringLiteral("The persons could not be read from %1: %2").arg(kPeoplePath, people.error());
    }
    if (!problems.isEmpty())
        platform::showError(problems.join(QLatin1Char('\n')));
}

void Form10::Slider1_Scroll()
{
    m_text1->setText(animationFrameName(m_slider1->value()));
}

void Form10::Command1_Click()
{
    const int person = selectedRow(m_list1);
    const int sound = selectedRow(m_file1);
    if (person < 0 || person >= m_people.size() || sound < 0)
        return;
    m_chosen = chosenIdleSound(m_people[person].key, m_file1->item(sound)->text(), m_slider1->value());
    accept();
}

} // namespace tav
