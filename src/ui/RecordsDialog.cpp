#include "ui/RecordsDialog.h"

#include "core/Dialogs.h"
#include "core/File.h"
#include "core/PlayClock.h"
#include "core/Records.h"
#include "ui/FormLook.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QImageReader>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int WindowWidth = 860;
constexpr int WindowHeight = 440;
// The role that holds what a column sorts by, where its text would sort wrongly.
constexpr int SortRole = Qt::UserRole + 1;
constexpr int KeyRole = Qt::UserRole + 2;

class TSortedItem : public QTableWidgetItem
{
public:
    TSortedItem(const QString &text, const QVariant &sortKey) : QTableWidgetItem(text)
    {
        setData(SortRole, sortKey);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    bool operator<(const QTableWidgetItem &other) const override
    {
        const QVariant mine = data(SortRole);
        const QVariant theirs = other.data(SortRole);
        if (mine.typeId() == QMetaType::QString)
            return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
        return mine.toLongLong() < theirs.toLongLong();
    }
};

QHash<QString, QPixmap> &thumbnails()
{
    static QHash<QString, QPixmap> cache;
    return cache;
}

QString gridText(const TRecordKey &key)
{
    return key.Flipped ? TRecordsForm::tr("%1 x %2, flipped").arg(key.Columns).arg(key.Rows)
                       : TRecordsForm::tr("%1 x %2").arg(key.Columns).arg(key.Rows);
}

} // namespace

QPixmap RecordThumbnail(const QString &picture)
{
    auto found = thumbnails().constFind(picture);
    if (found != thumbnails().constEnd())
        return *found;
    QImageReader reader(picture);
    const QSize size = reader.size();
    QPixmap thumbnail;
    if (size.isValid() && !size.isEmpty()) {
        reader.setScaledSize(size.scaled(TRecordsForm::ThumbnailWidth,
                                     TRecordsForm::ThumbnailHeight, Qt::KeepAspectRatio)
                                 .expandedTo(QSize(1, 1)));
        const QImage image = reader.read();
        if (!image.isNull())
            thumbnail = QPixmap::fromImage(image);
    }
    thumbnails().insert(picture, thumbnail);
    return thumbnail;
}

TRecordsForm::TRecordsForm(TRecordBook &book, std::function<bool()> save, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Book(book),
      Save(std::move(save))
{
    setObjectName("RecordsForm");
    setWindowTitle(tr("Records"));
    setFont(PreferredFontPoints("Tahoma", 8));
    setWindowModality(Qt::ApplicationModal);

    RecordsTable = new QTableWidget(0, ColumnCount, this);
    RecordsTable->setObjectName("RecordsTable");
    RecordsTable->setHorizontalHeaderLabels({tr("Picture"), tr("Grid"), tr("Solved"),
        tr("Best moves"), tr("Best wrong moves"), tr("Best time"), tr("Last solved")});
    RecordsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    RecordsTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    RecordsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RecordsTable->setIconSize(QSize(ThumbnailWidth, ThumbnailHeight));
    RecordsTable->verticalHeader()->hide();
    RecordsTable->verticalHeader()->setDefaultSectionSize(ThumbnailHeight + 6);
    RecordsTable->horizontalHeader()->setStretchLastSection(true);
    RecordsTable->setColumnWidth(PictureColumn, 200);
    RecordsTable->setColumnWidth(GridColumn, 90);
    for (int column : {SolvedColumn, BestMovesColumn, BestTimeColumn})
        RecordsTable->setColumnWidth(column, 70);
    RecordsTable->setColumnWidth(BestWrongMovesColumn, 120);
    // The date and time of the last solve take two lines rather than an ellipsis.
    RecordsTable->setWordWrap(true);
    RecordsTable->setTextElideMode(Qt::ElideNone);
    RecordsTable->setSortingEnabled(true);

    RemoveButton = new QPushButton(tr("&Remove"), this);
    RemoveButton->setObjectName("RemoveButton");
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName("CloseButton");
    CloseButton->setDefault(true);
    connect(RemoveButton, &QPushButton::clicked, this, &TRecordsForm::RemoveButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(RecordsTable, &QTableWidget::itemSelectionChanged, this,
        [this] { RemoveButton->setEnabled(!RecordsTable->selectedItems().isEmpty()); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(RemoveButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RecordsTable);
    layout->addLayout(buttons);
    setFixedSize(WindowWidth + WidenColumnsToTitles(), WindowHeight);
    Refill();
}

// A column whose title (in a longer language) needs more than its design width gets it, and the
// window grows by as much.
int TRecordsForm::WidenColumnsToTitles()
{
    const QHeaderView *header = RecordsTable->horizontalHeader();
    const int room = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin)
        + header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    int added = 0;
    for (int column = 0; column + 1 < ColumnCount; ++column) {
        const QString title = RecordsTable->horizontalHeaderItem(column)->text();
        const int needed = header->fontMetrics().horizontalAdvance(title) + room;
        if (needed > RecordsTable->columnWidth(column)) {
            added += needed - RecordsTable->columnWidth(column);
            RecordsTable->setColumnWidth(column, needed);
        }
    }
    return added;
}

void TRecordsForm::Refill()
{
    const std::vector<TRecord> records = Book.Records();
    RecordsTable->setSortingEnabled(false);
    RecordsTable->clearContents();
    RecordsTable->setRowCount(static_cast<int>(records.size()));
    int row = 0;
    for (const TRecord &record : records) {
        const QString path = QString::fromStdString(record.Key.Picture);
        const QString name = QString::fromStdString(GetFileNamePart(record.Key.Picture));
        auto *picture = new TSortedItem(name, name);
        picture->setIcon(RecordThumbnail(path));
        picture->setToolTip(path);
        picture->setData(KeyRole, QString::fromStdString(RecordSectionName(record.Key)));
        const qlonglong grid
            = qlonglong(record.Key.Columns) * record.Key.Rows * 2 + (record.Key.Flipped ? 1 : 0);
        const QString lastSolved = QString::fromStdString(record.LastSolved);
        auto *solvedAt = new TSortedItem(lastSolved, qlonglong(record.Order));
        solvedAt->setToolTip(lastSolved);
        QTableWidgetItem *items[ColumnCount] = {
            picture,
            new TSortedItem(gridText(record.Key), grid),
            new TSortedItem(QString::number(record.Solved), qlonglong(record.Solved)),
            new TSortedItem(QString::number(record.Best.Moves), qlonglong(record.Best.Moves)),
            new TSortedItem(
                QString::number(record.Best.WrongMoves), qlonglong(record.Best.WrongMoves)),
            new TSortedItem(QString::fromStdString(PlayingTimeText(record.Best.Seconds)),
                qlonglong(record.Best.Seconds)),
            solvedAt,
        };
        for (int column = 0; column < ColumnCount; ++column) {
            if (column != PictureColumn)
                items[column]->setTextAlignment(Qt::AlignCenter);
            RecordsTable->setItem(row, column, items[column]);
        }
        ++row;
    }
    RecordsTable->setSortingEnabled(true);
    RecordsTable->sortItems(LastSolvedColumn, Qt::DescendingOrder);
    RemoveButton->setEnabled(!RecordsTable->selectedItems().isEmpty());
}

void TRecordsForm::RemoveButtonClick()
{
    std::set<int> rows;
    for (const QTableWidgetItem *item : RecordsTable->selectedItems())
        rows.insert(item->row());
    if (rows.empty())
        return;
    const int count = static_cast<int>(rows.size());
    const QString question = count == 1 ? tr("Remove the selected record?")
                                        : tr("Remove the %n selected records?", nullptr, count);
    if (!QueryDialog(question.toStdString()))
        return;
    std::vector<TRecordKey> keys;
    for (int row : rows) {
        TRecordKey key;
        const QTableWidgetItem *picture = RecordsTable->item(row, PictureColumn);
        if (ParseRecordSectionName(picture->data(KeyRole).toString().toStdString(), key))
            keys.push_back(std::move(key));
    }
    Book.Remove(keys);
    Save();
    Refill();
}
