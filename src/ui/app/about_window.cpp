#include "ui/app/about_window.h"

#include "core/app/about_text.h"
#include "ui/common/artwork.h"
#include "ui/common/clickable_label.h"
#include "ui/common/twips.h"
#include "ui/platform/launcher.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tav {
namespace {

QPixmap hiddenPicture()
{
    QPixmap pixmap(320, 200);
    pixmap.fill(QColor(0x10, 0x10, 0x18));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xE0, 0x30, 0x30), 6));
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawEllipse(QPointF(160, 100), 90, 50);
    p.setBrush(QColor(0x30, 0x20, 0x10));
    p.drawEllipse(QPointF(160, 100), 36, 36);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(160, 100), 14, 14);
    return pixmap;
}

QPixmap decoration(int side, QColor colour)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setPen(colour.lighter(160));
    for (int i = 0; i < side; i += 6)
        p.drawLine(0, i, i, 0);
    return pixmap;
}

// `Image2`: an invisible click area behind the other controls.
class ClickArea : public QWidget {
public:
    std::function<void()> onClick;
    using QWidget::QWidget;

protected:
    void mouseReleaseEvent(QMouseEvent *) override
    {
        if (onClick)
            onClick();
    }
};

} // namespace

const QString Form17::kWebAddress = QStringLiteral("http://www.tavaria-game.example/");

Form17::Form17(const GameFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("About Tav developement kit"));
    setFixedSize(sizeTw(5205, 2895));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *image2 = new ClickArea(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(0, 0, width(), height());
    image2->onClick = [this] { Image2_Click(); };

    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(decoration(64, QColor(0x3C, 0x2A, 0x18)));
    picture1->setGeometry(px(120), px(120), 64, 64);

    auto *label3 = new QLabel(QStringLiteral("<(o)>"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setStyleSheet(QStringLiteral("color: white;"));
    label3->setAlignment(Qt::AlignCenter);
    label3->setGeometry(picture1->x(), picture1->y() + 24, 64, 16);

    const char *texts[] = {"Tavaria developement kit", "(c) The Tavaria project team", "", "Visit our website at:"};
    const int tops[] = {120, 390, 600, 780};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QString::fromLatin1(texts[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        if (i == 0) {
            QFont f = label->font();
            f.setBold(true);
            f.setPointSize(f.pointSize() + 2);
            label->setFont(f);
        }
        label->setGeometry(px(1260), px(tops[i]), px(3800), px(i == 0 ? 300 : 240));
    }

    auto *label2 = new ClickableLabel(kWebAddress, this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setStyleSheet(QStringLiteral("color: #0000C0; text-decoration: underline;"));
    label2->setCursor(Qt::PointingHandCursor);
    label2->setGeometry(px(1260), px(1020), px(3800), px(240));
    connect(label2, &ClickableLabel::clicked, this, &Form17::Label2_Click);

    m_label4 = new QLabel(QStringLiteral("Big Brother is watching you...always. But this is only the beginning!"), this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setWordWrap(true);
    m_label4->setAlignment(Qt::AlignCenter);
    m_label4->setStyleSheet(QStringLiteral("color: white; background: #202028;"));
    m_label4->setGeometry(px(120), px(1380), px(3720), px(900));

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setFrameShape(QFrame::NoFrame);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette buttonFace = m_text1->palette();
    buttonFace.setColor(QPalette::Base, palette().color(QPalette::Button));
    m_text1->setPalette(buttonFace);
    m_text1->setGeometry(m_label4->geometry());
    connect(m_text1, &QPlainTextEdit::textChanged, this, &Form17::Text1_Change);

    auto *picture2 = new ClickableLabel(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setPixmap(decoration(32, QColor(0x28, 0x40, 0x58)));
    picture2->setGeometry(px(4020), px(1380), 32, 32);
    connect(picture2, &ClickableLabel::doubleClicked, this, &Form17::Picture2_DblClick);

    m_image1 = addLogo(this, px(4020), px(1920), 32);

    m_image3 = new QLabel(this);
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->setPixmap(decoration(32, QColor(0x58, 0x18, 0x18)));
    m_image3->setToolTip(QStringLiteral("Sometimes things disappear."));
    m_image3->setGeometry(m_image1->geometry());
    m_image3->hide();

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(px(3960), px(2400), px(1095), px(375));
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Form17::Command1_Click);

    m_pix = new QLabel(this);
    m_pix->setObjectName(QStringLiteral("PIX"));
    m_pix->setPixmap(hiddenPicture());
    m_pix->setGeometry(0, 0, 320, 200);
    m_pix->hide();

    Form_Load();
}

void Form17::Form_Load()
{
    QString text = aboutVersionText(readGameVersion(m_folder));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(m_text1->toPlainText() + text);
}

void Form17::Command1_Click()
{
    close();
}

void Form17::Label2_Click()
{
    platform::startCommand(m_folder, QStringLiteral("explorer ") + kWebAddress);
}

void Form17::Picture2_DblClick()
{
    m_text1->setReadOnly(false);
}

void Form17::Text1_Change()
{
    if (revealsHiddenPicture(m_text1->toPlainText())) {
        m_pix->show();
        m_pix->raise();
    }
}

void Form17::Image2_Click()
{
    m_text1->hide();
    m_command1->setText(QStringLiteral("Close"));
    m_image1->hide();
    m_pix->hide();
    m_image3->show();
}

} // namespace tav
