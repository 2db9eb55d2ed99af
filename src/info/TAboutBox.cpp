#include "info/TAboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "info/Backdrop.h"

namespace quorin {

namespace {

// The title twice, a grey copy under a red one, for a shadow.
class ShadowTitle : public QWidget {
  public:
    explicit ShadowTitle(QWidget* parent) : QWidget(parent) { setFixedHeight(46); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont font("Courier New");
        font.setPixelSize(32);
        font.setBold(true);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(QColor(128, 128, 128));
        p.drawText(rect().translated(3, 3), Qt::AlignCenter, kTitle);
        p.setPen(QColor(200, 0, 0));
        p.drawText(rect(), Qt::AlignCenter, kTitle);
    }

  private:
    static constexpr const char* kTitle = "QUORIN 6.28";
};

class UrlLabel : public QLabel {
  public:
    UrlLabel(const QString& text, QString target, std::function<void(const QString&)> open,
             QWidget* parent)
        : QLabel(text, parent), target_(std::move(target)), open_(std::move(open)) {
        if (target_.isEmpty()) {
            setStyleSheet("color: #3a2a1a;");
            return;
        }
        // A link is a stop of the Tab key too: Enter or Space opens it.
        setStyleSheet(
            "QLabel { color: navy; text-decoration: underline; }"
            "QLabel:focus { background: rgba(255, 255, 255, 150); }");
        setCursor(Qt::PointingHandCursor);
        setToolTip(target_);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        // The desktop's answer is not waited for: a missing mail program is its business.
        if (event->button() == Qt::LeftButton && !target_.isEmpty() && open_ &&
            rect().contains(event->position().toPoint()))
            open_(target_);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && open_) {
            open_(target_);
            return;
        }
        QLabel::keyPressEvent(event);
    }

  private:
    QString target_;
    std::function<void(const QString&)> open_;
};

QLabel* Text(const QString& text, const QString& style, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(style);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(const AboutLinks& links, const QImage& backdrop, const QImage& portrait,
                     std::function<void(const QString&)> open, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      backdrop_(backdrop),
      portrait_(portrait) {
    setObjectName("about");
    setWindowTitle("About Quorin ");
    setFixedSize(428, 452);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    outer->addWidget(panel);
    auto* inside = new QVBoxLayout(panel);
    inside->setContentsMargins(2, 2, 2, 2);
    auto* fond = new Backdrop(panel);
    fond->setObjectName("AboutFond");
    fond->SetPicture(&backdrop_);
    inside->addWidget(fond);

    auto* column = new QVBoxLayout(fond);
    column->setContentsMargins(18, 10, 18, 12);
    column->setSpacing(6);
    column->addWidget(new ShadowTitle(fond));
    column->addWidget(Text("Mah-Jongg solitaire, Rivers, Memory and Clicks",
                           "color: #5a2a0a; font: italic 9pt 'Times New Roman';", fond));

    const QString role = "color: maroon; font: bold 9pt 'Arial';";
    const QString name = "color: #2a1606; font: 9pt 'Arial';";
    auto link = [&](int i, const QString& text) {
        auto* label = new UrlLabel(text, QString::fromStdString(links.targets[i]), open, fond);
        label->setObjectName(QStringLiteral("UrlLabel%1").arg(i + 1));
        return label;
    };

    auto* credits = new QGridLayout;
    credits->setHorizontalSpacing(12);
    credits->setVerticalSpacing(5);
    auto* picture = new QLabel(fond);
    picture->setObjectName("Portrait");
    picture->setPixmap(QPixmap::fromImage(portrait_));
    picture->setFixedSize(portrait_.isNull() ? QSize(40, 50) : portrait_.size());
    credits->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    int row = 0;
    auto line = [&](const QString& label, QWidget* value) {
        credits->addWidget(Text(label, role, fond), row, 1, Qt::AlignTop);
        credits->addWidget(value, row, 2);
        ++row;
    };
    auto* creator = new QWidget(fond);
    auto* creatorLines = new QVBoxLayout(creator);
    creatorLines->setContentsMargins(0, 0, 0, 0);
    creatorLines->setSpacing(1);
    creatorLines->addWidget(Text("The Quorin developers", name, creator));
    creatorLines->addWidget(link(0, "The Quorin home page"));
    creatorLines->addWidget(link(1, "The developers' corner"));
    creatorLines->addWidget(link(2, "Write to the developers"));
    line("Created by", creator);
    auto* music = new QWidget(fond);
    auto* musicLines = new QVBoxLayout(music);
    musicLines->setContentsMargins(0, 0, 0, 0);
    musicLines->setSpacing(1);
    musicLines->addWidget(Text("Five pieces written for Quorin", name, music));
    musicLines->addWidget(link(3, "Write to the composer"));
    line("Music by", music);
    auto* girls = new QWidget(fond);
    auto* girlsLines = new QVBoxLayout(girls);
    girlsLines->setContentsMargins(0, 0, 0, 0);
    girlsLines->setSpacing(1);
    girlsLines->addWidget(Text("The side panel's own artist", name, girls));
    girlsLines->addWidget(link(4, "Write to the artist"));
    line("Girls by", girls);
    line("Moral support", Text("Everyone who sent a bug report, and the cat", name, fond));
    line("Inspiration :",
         Text("The tile games played in China for well over a century", name, fond));
    credits->setColumnStretch(2, 1);
    column->addLayout(credits);
    column->addStretch(1);
    column->addWidget(
        Text("Every tile, picture, sound and piece of music of this game was made "
             "for it. Quorin is free to play and to share.",
             "color: #5a3a1a; font: italic 8pt 'Arial';", fond));

    BitBtn1 = new QPushButton(QIcon(":/glyphs/exit.png"), "&OK", fond);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(90);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    BitBtn1->setFocus();  // most come to read and leave; the links are a Tab away

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

}  // namespace quorin
