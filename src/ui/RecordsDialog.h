#pragma once
// The Records window: every record of the records file, newest first, with a thumbnail of its
// picture; sortable by each column, and Remove deletes the chosen records after a question.

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <functional>

class QPushButton;
class QTableWidget;
class TRecordBook;

class TRecordsForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ThumbnailWidth = 64;
    static constexpr int ThumbnailHeight = 48;
    enum TColumn {
        PictureColumn,
        GridColumn,
        SolvedColumn,
        BestMovesColumn,
        BestWrongMovesColumn,
        BestTimeColumn,
        LastSolvedColumn,
        ColumnCount
    };

    // `save` writes the book after a removal and says whether it did; it shows its own failures.
    TRecordsForm(TRecordBook &book, std::function<bool()> save, QWidget *parent);

    // Lists the book afresh, newest first.
    void Refill();
    void RemoveButtonClick();

    QTableWidget *RecordsTable;
    QPushButton *RemoveButton;
    QPushButton *CloseButton;

private:
    int WidenColumnsToTitles();
    TRecordBook &Book;
    std::function<bool()> Save;
};

// A small picture of the file, made once per run and kept in memory; a null pixmap when the
// picture is missing or cannot be read.
QPixmap RecordThumbnail(const QString &picture);
