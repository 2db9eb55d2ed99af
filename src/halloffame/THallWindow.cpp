#include "halloffame/THallWindow.h"

#include <algorithm>
#include <initializer_list>

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "halloffame/HallOfFame.h"
#include "halloffame/ScorePanels.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/WindowFit.h"

namespace quorin {

namespace {

// The other games' tables, in the order the combo box lists them after the layouts.
constexpr std::array<int, 6> kGameColumns = {100, 101, 110, 111, 120, 121};
constexpr std::array<const char*, 6> kGameItems = {
    "Mahjongg Rivers (Easy)", "Mahjongg Rivers (Hard)", "Mahjongg Memory (Easy)",
    "Mahjongg Memory (Hard)", "Mahjongg Clicks (Easy)", "Mahjongg Clicks (Hard)"};

constexpr int kRowTop = 44;
// Where the column of the list's choice, the name and the buttons begins, and its least width.
constexpr int kRightLeft = 318;
constexpr int kRightColumn = 156;
constexpr int kRowStep = 29;

QLabel* Place(QWidget* parent, const QString& text, QRect at, const QString& style,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setStyleSheet(style);
    label->setAlignment(align);
    return label;
}

// A name as the table keeps it: a leading blank would be lost in the file, so it shows as
// a hyphen from the start.
QString TableName(QString name) {
    if (name.isEmpty())
        return "-";
    if (name.front() == ' ')
        name.front() = '-';
    return name;
}

}  // namespace

// A layout's name as the list shows it: a .shp file goes by its file name, which the player
// need not see with its extension, unless a layout of the same name stands beside it.
QString ItemName(const std::vector<std::string>& names, const std::string& name) {
    const QString shown = QString::fromStdString(name);
    if (!shown.endsWith(".shp", Qt::CaseInsensitive))
        return shown;
    const QString bare = shown.chopped(4);
    for (const std::string& other : names)
        if (QString::fromStdString(other).compare(bare, Qt::CaseInsensitive) == 0)
            return shown;
    return bare;
}

THallWindow::THallWindow(Context context, QWidget* parent)
    : QDialog(parent), c_(std::move(context)) {
    setWindowTitle("Hall of Fame");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    LayoutComboBox = new QComboBox(this);
    LayoutComboBox->setObjectName("LayoutComboBox");
    LayoutComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int k = 1; k <= LayoutItems(); ++k)
        LayoutComboBox->addItem(ItemName(c_.layoutNames, c_.layoutNames[k]) + " Layout");
    for (const char* item : kGameItems)
        LayoutComboBox->addItem(item);
    ResetButton = new QPushButton("&Reset Scores", this);
    BitBtn1 = new QPushButton(QIcon(":/glyphs/back.png"), "&OK", this);

    // The right-hand column is as wide as its widest text needs in the fonts at hand, the
    // window with it.
    int right = kRightColumn;
    for (QWidget* w : std::initializer_list<QWidget*>{LayoutComboBox, ResetButton, BitBtn1}) {
        w->ensurePolished();
        right = std::max(right, w->sizeHint().width());
    }
    const QSize size(kRightLeft + right + 10, 358);
    setFixedSize(size);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(QRect(QPoint(0, 0), size));
    panel->lower();
    listArea_ = QRect(8, 8, 300, 342);

    const QString header = "font: bold 9pt 'Arial'; color: #fffbe8; background: transparent;";
    Place(this, "Rank", {14, 14, 40, 20}, header);
    Place(this, "Player Name", {56, 14, 100, 20}, header);
    Label23 = Place(this, "Time", {164, 14, 60, 20}, header, Qt::AlignCenter);
    Place(this, "Malus", {234, 14, 60, 20}, header, Qt::AlignCenter);

    const QString rank = "font: bold 10pt 'Arial'; color: #6a2400; background: transparent;";
    const QString number = "font: bold 10pt 'Arial'; color: #3a1400; background: transparent;";
    for (int i = 1; i <= HallTable::kRanks; ++i) {
        const int y = kRowTop + (i - 1) * kRowStep;
        Place(this, QString::number(i), {14, y, 30, 22}, rank, Qt::AlignCenter);
        Names[i] = Place(this, QString(), {52, y, 104, 22}, QString());
        Names[i]->setObjectName(QString("Name%1").arg(i));
        Totals[i] = Place(this, QString(), {164, y, 60, 22}, number, Qt::AlignCenter);
        Penalties[i] = Place(this, QString(), {234, y, 60, 22}, number, Qt::AlignCenter);
    }

    auto* explain =
        Place(this,
              "Choose a &layout from the combo box below. You will get the 10 best scores for this "
              "layout. Press \"Reset Scores\" to delete the High Scores for this specific layout. "
              "When you win a game, you can still change the Player Name in real time.",
              {kRightLeft, 10, right, 136}, "font: 8pt 'Arial'; color: #202020;",
              Qt::AlignLeft | Qt::AlignTop);
    explain->setWordWrap(true);
    explain->setBuddy(LayoutComboBox);

    LayoutComboBox->setGeometry(kRightLeft, 150, right, 24);

    auto* group = new QGroupBox("&Player Name", this);
    group->setGeometry(kRightLeft, 186, right, 56);
    PlayerName = new QLineEdit(group);
    PlayerName->setObjectName("PlayerName");
    PlayerName->setMaxLength(8);
    PlayerName->setGeometry(10, 22, right - 20, 24);

    ResetButton->setObjectName("ResetButton");
    ResetButton->setGeometry(kRightLeft, 256, right, 28);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(kRightLeft, 318, right, 30);
    BitBtn1->setDefault(true);

    CentreOnScreen(this);

    PlayerName->setText(QString::fromStdString(c_.currentPlayer));
    GenerateList(c_.currentLayout);
    connect(LayoutComboBox, &QComboBox::activated, this, &THallWindow::LayoutComboBoxChange);
    connect(PlayerName, &QLineEdit::textEdited, this, &THallWindow::PlayerNameChange);
    connect(ResetButton, &QPushButton::clicked, this, &THallWindow::DeleteHighscoresClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    // The reading order: the list's choice, the name, then the buttons under them.
    setTabOrder(LayoutComboBox, PlayerName);
    setTabOrder(PlayerName, ResetButton);
    setTabOrder(ResetButton, BitBtn1);
    if (c_.justEntered) {
        // The winner types at once: the whole name is selected for replacement.
        PlayerName->setFocus();
        PlayerName->selectAll();
    }
}

int THallWindow::LayoutItems() const {
    const int count = static_cast<int>(c_.layoutNames.size()) - 1;
    return std::clamp(count, 0, HallOfFame::kLastLayoutColumn);
}

int THallWindow::ColumnOfItem(int index) const {
    const int n = LayoutItems();
    if (index < 0 || index >= n + static_cast<int>(kGameColumns.size()))
        return -1;
    return index < n ? index + 1 : kGameColumns[static_cast<size_t>(index - n)];
}

int THallWindow::ItemOfColumn(int column) const {
    if (column >= 1 && column <= LayoutItems())
        return column - 1;
    for (size_t g = 0; g < kGameColumns.size(); ++g)
        if (kGameColumns[g] == column)
            return LayoutItems() + static_cast<int>(g);
    return -1;
}

int THallWindow::comboIndex() const {
    return LayoutComboBox->currentIndex();
}

void THallWindow::GenerateList(int column) {
    LayoutComboBox->setCurrentIndex(ItemOfColumn(column));
    const bool clicks = HallTable::IsClicksColumn(column);
    Label23->setText(clicks ? "Score" : "Time");
    const HallTable& table = c_.hall.Table();
    for (int i = 1; i <= HallTable::kRanks; ++i) {
        // A column without a table (an external layout) shows the defaults.
        const std::string entry =
            ItemOfColumn(column) < 0 ? HallTable::DefaultEntry(i, column) : table.Entry(i, column);
        Names[i]->setText(QString::fromStdString(HallTable::Name(entry)).trimmed());
        const int total = HallTable::Total(entry);
        Totals[i]->setText(clicks ? QString::number(total).rightJustified(4)
                                  : QString::fromStdString(FormatGameTime(total)));
        Penalties[i]->setText(
            clicks ? QString() : QString::fromStdString(FormatGameTime(HallTable::Penalty(entry))));
        const bool isNew = c_.justEntered && c_.hall.IsNewEntry(i, column);
        Names[i]->setProperty("newEntry", isNew);
        Names[i]->setStyleSheet(isNew
                                    ? "font: 12px 'Courier New'; font-weight: bold; color: white;"
                                      " background: rgb(0, 128, 128); padding-left: 3px;"
                                    : "font: 12px 'Courier New'; font-weight: bold; color: #101010;"
                                      " background: rgba(240, 236, 226, 190); padding-left: 3px;");
    }
}

void THallWindow::LayoutComboBoxChange(int index) {
    const int column = ColumnOfItem(index);
    if (column >= 0)
        GenerateList(column);
}

void THallWindow::PlayerNameChange(const QString& text) {
    const std::string name = TableName(text).toStdString();
    // The reading order: the list's choice, the name, then the buttons under them.
    setTabOrder(LayoutComboBox, PlayerName);
    setTabOrder(PlayerName, ResetButton);
    setTabOrder(ResetButton, BitBtn1);
    if (c_.justEntered) {
        if (text.toStdString() != c_.currentPlayer) {
            c_.currentPlayer = text.isEmpty() ? "-" : text.toStdString();
            ReportSaveError(c_.hall.RenameEntry(c_.hall.NewHallRank(), c_.currentLayout, name));
            GenerateList(c_.currentLayout);
        }
        if (c_.repaintPanel)
            c_.repaintPanel();
        return;
    }
    c_.currentPlayer = name;
}

void THallWindow::DeleteHighscoresClick() {
    const int column = ColumnOfItem(comboIndex());
    if (column < 0)
        return;
    if (c_.dialogs.AskOkCancel(
            this, "Please confirm...",
            "Do you really want to remove the Hall of Fame entries for this layout ?"))
        ReportSaveError(c_.hall.ResetColumn(column));
    if (c_.repaintPanel)
        c_.repaintPanel();
    GenerateList(column);
    if (c_.panelChanged)
        c_.panelChanged();
}

void THallWindow::ReportSaveError(const std::string& error) {
    // Said once per window: a name typed letter by letter must not raise a box per letter.
    if (error.empty() || saveErrorShown_)
        return;
    saveErrorShown_ = true;
    c_.dialogs.ShowError(this, QString::fromStdString(error));
}

void THallWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    if (c_.backdrop.isNull())
        p.fillRect(listArea_, QColor(150, 90, 40));
    else
        p.drawImage(listArea_, c_.backdrop);
    p.fillRect(listArea_.adjusted(0, 0, 0, -(listArea_.height() - 30)), QColor(0, 0, 0, 90));
}

}  // namespace quorin
