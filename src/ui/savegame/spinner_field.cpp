#include "ui/savegame/spinner_field.h"

#include "core/savegame/number_text.h"
#include "ui/savegame/up_down_spinner.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tav {

SpinnerField::SpinnerField(QWidget *parent, const QString &textName, const QString &spinnerName, int maximum,
                           std::function<void(int)> apply)
    : QObject(parent)
    , m_maximum(maximum)
    , m_apply(std::move(apply))
{
    m_text = new QLineEdit(parent);
    m_text->setObjectName(textName);
    m_text->setFixedWidth(48);
    m_text->setAlignment(Qt::AlignRight);
    m_spinner = new UpDownSpinner(parent);
    m_spinner->setObjectName(spinnerName);
    m_spinner->setRange(0, maximum);
    m_spinner->setBuddy(m_text);
    connect(m_text, &QLineEdit::textChanged, this, &SpinnerField::textChanged);
    connect(m_spinner, &UpDownSpinner::valueChanged, this, [this](int value) { m_apply(value); });
}

QHBoxLayout *SpinnerField::makeRow() const
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(m_text);
    row->addWidget(m_spinner);
    return row;
}

void SpinnerField::show(int value)
{
    const QSignalBlocker block(m_spinner);
    m_spinner->setValue(value);
    if (m_text->text() != QString::number(value))
        m_text->setText(QString::number(value));
}

void SpinnerField::textChanged()
{
    const NumberTextCheck check = checkNumberText(m_text->text(), m_maximum);
    if (check.text != m_text->text()) {
        m_text->setText(check.text);
        return; // the corrected text comes back here
    }
    if (check.value)
        m_spinner->setValue(*check.value);
}

} // namespace tav
