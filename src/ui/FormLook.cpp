#include "ui/FormLook.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

#include <algorithm>
#include <optional>

namespace {

constexpr int GlyphSize = 16;
constexpr int IconTextSpacing = 4; // what the styles leave between a button's icon and caption
constexpr int NarrowestStretch = 70;

// Only an installed family counts. QFontDatabase::hasFamily would also have fontconfig resolve a
// missing name as an alias, at a cost of about a millisecond a name before the first window; a
// font set to such a name would come out as the default font anyway.
bool hasFontFamily(const QString &family)
{
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    return known[family] = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QFont familyOrDefault(const QString &family)
{
    QFont font = QApplication::font();
    if (hasFontFamily(family))
        font.setFamily(family);
    return font;
}

void drawCheck(QPainter &painter, QPointF offset)
{
    QPainterPath path;
    path.moveTo(QPointF(2.5, 8.5) + offset);
    path.lineTo(QPointF(6, 12) + offset);
    path.lineTo(QPointF(13.5, 3.5) + offset);
    painter.drawPath(path);
}

void drawOkay(QPainter &painter)
{
    painter.setPen(QPen(QColor(0, 140, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawCheck(painter, {0, 0.5});
}

void drawOkayNoErrors(QPainter &painter)
{
    painter.setPen(QPen(QColor(0, 150, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.scale(0.8, 0.8);
    drawCheck(painter, {-1, 3});
    drawCheck(painter, {5, 3});
}

void drawCancel(QPainter &painter)
{
    painter.setPen(QPen(QColor(200, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawTerminate(QPainter &painter)
{
    // A stop sign: a red octagon with a white bar.
    QPolygonF octagon;
    for (const auto &[x, y] : {std::pair {5.0, 1.0}, {11.0, 1.0}, {15.0, 5.0}, {15.0, 11.0},
             {11.0, 15.0}, {5.0, 15.0}, {1.0, 11.0}, {1.0, 5.0}})
        octagon << QPointF(x, y);
    painter.setPen(QPen(QColor(120, 0, 0), 1));
    painter.setBrush(QColor(215, 35, 35));
    painter.drawPolygon(octagon);
    painter.fillRect(QRectF(4, 7, 8, 2.2), Qt::white);
}

void drawLog(QPainter &painter)
{
    // A sheet of paper with written lines.
    painter.setPen(QPen(QColor(60, 60, 90), 1));
    painter.setBrush(QColor(250, 250, 235));
    painter.drawRect(QRectF(3.5, 1.5, 9, 13));
    painter.setPen(QPen(QColor(40, 80, 190), 1));
    for (int y = 4; y <= 12; y += 2)
        painter.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
}

QPixmap drawGlyph(TGlyph glyph)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case TGlyph::Okay:
        drawOkay(painter);
        break;
    case TGlyph::OkayNoErrors:
        drawOkayNoErrors(painter);
        break;
    case TGlyph::Cancel:
        drawCancel(painter);
        break;
    case TGlyph::Terminate:
        drawTerminate(painter);
        break;
    case TGlyph::Log:
        drawLog(painter);
        break;
    }
    return pixmap;
}

// The disabled image: the same shape in a flat grey.
QPixmap disabledImage(const QPixmap &normal)
{
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(128, 128, 128, qAlpha(line[x]) * 3 / 4);
    }
    return QPixmap::fromImage(image);
}

// Stands for a style's standard icon and asks the style for it at the first real use.
class TDeferredStandardIcon : public QIconEngine
{
public:
    TDeferredStandardIcon(
        const QStyle *style, QStyle::StandardPixmap pixmap, Qt::LayoutDirection direction)
        : Style(const_cast<QStyle *>(style)), Pixmap(pixmap), Direction(direction)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().addPixmap(pixmap, mode, state);
    }
    void addFile(
        const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().addFile(fileName, size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QString iconName() override { return Icon().name(); }
    bool isNull() override { return Icon().isNull(); }
    QString key() const override { return QStringLiteral("TDeferredStandardIcon"); }
    QIconEngine *clone() const override { return new TDeferredStandardIcon(*this); }

private:
    QIcon &Icon()
    {
        if (!Loaded) {
            QStyleOption option;
            option.direction = Direction;
            const QStyle *style = Style ? Style.data() : QApplication::style();
            Loaded = style->standardIcon(Pixmap, &option, nullptr);
        }
        return *Loaded;
    }

    QPointer<QStyle> Style;
    QStyle::StandardPixmap Pixmap;
    Qt::LayoutDirection Direction;
    std::optional<QIcon> Loaded;
};

QWidget *ownerWindow(const QWidget *dialog)
{
    if (dialog->parentWidget())
        return dialog->parentWidget()->window();
    QWidget *active = QApplication::activeWindow();
    if (active && active != dialog)
        return active;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget != dialog && widget->isVisible() && !qobject_cast<QDialog *>(widget))
            return widget;
    return nullptr;
}

int captionRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    int room
        = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + IconTextSpacing;
    return room;
}

int captionWidth(const QPushButton *button, const QFont &font)
{
    return QFontMetrics(font).size(Qt::TextShowMnemonic, button->text()).width();
}

} // namespace

QFont PreferredFontPoints(const QString &family, int pointSize)
{
    QFont font = familyOrDefault(family);
    font.setPointSize(pointSize);
    return font;
}

QFont PreferredFontPixels(const QString &family, int pixelSize)
{
    QFont font = familyOrDefault(family);
    font.setPixelSize(pixelSize);
    return font;
}

QIcon ButtonGlyph(TGlyph glyph)
{
    const QPixmap normal = drawGlyph(glyph);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(disabledImage(normal), QIcon::Disabled);
    return icon;
}

bool DrawFusionGroupBoxFrame(
    const QStyle *style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    static const QImage frame = [] {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    }();
    if (frame.isNull())
        return false;
    // The frame starts below the title or the check box, where there is one.
    constexpr int fusionTopMargin = 3;
    int top = fusionTopMargin;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
        top += std::max(
            style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
        QPixmap::fromImage(frame));
    return true;
#else
    Q_UNUSED(style);
    Q_UNUSED(option);
    Q_UNUSED(painter);
    Q_UNUSED(widget);
    return false;
#endif
}

QIcon DeferredStandardIcon(
    const QStyle *style, QStyle::StandardPixmap pixmap, Qt::LayoutDirection direction)
{
    return QIcon(new TDeferredStandardIcon(style, pixmap, direction));
}

void CentreOverMainWindow(QWidget *dialog)
{
    const QWidget *owner = ownerWindow(dialog);
    if (!owner)
        return;
    QRect area = dialog->frameGeometry();
    area.moveCenter(owner->frameGeometry().center());
    if (const QScreen *screen = owner->screen()) {
        const QRect screenArea = screen->availableGeometry();
        area.moveLeft(std::clamp(area.left(), screenArea.left(),
            std::max(screenArea.left(), screenArea.right() - area.width())));
        area.moveTop(std::clamp(area.top(), screenArea.top(),
            std::max(screenArea.top(), screenArea.bottom() - area.height())));
    }
    dialog->move(area.topLeft());
}

bool CaptionFits(const QPushButton *button)
{
    return captionWidth(button, button->font()) <= captionRoom(button);
}

void FitCaption(QPushButton *button)
{
    QFont font = button->font();
    const int room = captionRoom(button);
    for (int stretch = 100; captionWidth(button, font) > room && stretch > NarrowestStretch;) {
        stretch -= 2;
        font.setStretch(stretch);
    }
    if (font.stretch() != button->font().stretch())
        button->setFont(font);
}

namespace {

// What a control was made with, kept on its first fitting so that every later one starts there.
int designValue(QWidget *widget, const char *name, int now)
{
    const QVariant kept = widget->property(name);
    if (kept.isValid())
        return kept.toInt();
    widget->setProperty(name, now);
    return now;
}

} // namespace

int CaptionFittingWidth(QPushButton *button)
{
    // Measured from the design width and font each time, so that a shorter caption (another
    // language) gives the design back.
    button->resize(designValue(button, "designWidth", button->width()), button->height());
    QFont font = button->font();
    if (font.stretch() != QFont::AnyStretch && font.stretch() != QFont::Unstretched) {
        font.setStretch(QFont::Unstretched);
        button->setFont(font);
    }
    FitCaption(button);
    return button->width()
        + std::max(0, captionWidth(button, button->font()) - captionRoom(button));
}

QRect FitButtonRow(const std::vector<QPushButton *> &row, int gap)
{
    if (row.empty())
        return {};
    const int centre = (row.front()->geometry().left() + row.back()->geometry().right() + 1) / 2;
    std::vector<int> widths;
    int total = gap * static_cast<int>(row.size() - 1);
    for (QPushButton *button : row) {
        widths.push_back(CaptionFittingWidth(button));
        total += widths.back();
    }
    int left = centre - total / 2;
    for (size_t i = 0; i < row.size(); ++i) {
        row[i]->setGeometry(left, row[i]->y(), widths[i], row[i]->height());
        left += widths[i] + gap;
    }
    return QRect(centre - total / 2, row.front()->y(), total, row.front()->height());
}

int StackLabels(const std::vector<QLabel *> &labels, int top)
{
    std::vector<QRect> design;
    for (QLabel *label : labels)
        design.emplace_back(label->x(), designValue(label, "designTop", label->y()), label->width(),
            designValue(label, "designHeight", label->height()));
    for (size_t i = 0; i < labels.size(); ++i) {
        QLabel *label = labels[i];
        const int height = std::max(design[i].height(), label->heightForWidth(label->width()));
        label->setGeometry(label->x(), top, label->width(), height);
        top += height;
        if (i + 1 < labels.size())
            top += design[i + 1].top() - design[i].bottom() - 1;
    }
    return top;
}

void ShrinkFontToFit(QLabel *label, int smallestSize)
{
    const auto fits = [label] {
        return label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                 : label->sizeHint().width() <= label->width();
    };
    // Fonts given in pixels shrink in pixels, the others in points.
    QFont font = label->font();
    const bool pixels = font.pixelSize() > 0;
    int size = designValue(label, "designFontSize", pixels ? font.pixelSize() : font.pointSize());
    for (;; --size) {
        if (pixels)
            font.setPixelSize(size);
        else
            font.setPointSize(size);
        label->setFont(font);
        if (size <= smallestSize || fits())
            return;
    }
}
