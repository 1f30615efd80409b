#include "qpaintersurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace quorvel {

QColor qcolour(Colour c) { return QColor(redof(c), greenof(c), blueof(c)); }

QSize pixelsof(QSizeF sizetwips, double twipsperpixel) {
    return QSize(static_cast<int>(std::ceil(sizetwips.width() / twipsperpixel)),
                 static_cast<int>(std::ceil(sizetwips.height() / twipsperpixel)))
        .expandedTo(QSize(1, 1));
}

QImage ratioimage(QSize logical, double ratio, QColor fill) {
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    QImage image(device, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(ratio);
    const int dotspermetre = static_cast<int>(std::lround(96 * ratio / 0.0254));
    image.setDotsPerMeterX(dotspermetre);
    image.setDotsPerMeterY(dotspermetre);
    image.fill(fill);
    return image;
}

QPainterSurface::QPainterSurface(QPaintDevice& device, QSizeF sizetwips, double twipsperpixel, double devicescale)
    : device_(&device), twips_(sizetwips), tpp_(twipsperpixel), devicescale_(devicescale) {}

void QPainterSurface::retarget(QPaintDevice& device, QSizeF sizetwips, QPointF offset) {
    finish();
    device_ = &device;
    twips_ = sizetwips;
    offset_ = offset;
}

QPainterSurface::~QPainterSurface() { finish(); }

bool QPainterSurface::raster() const {
    return device_->devType() == QInternal::Image || device_->devType() == QInternal::Pixmap;
}

QPainter& QPainterSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        if (devicescale_ != 1) painter_->scale(devicescale_, devicescale_);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
}

void QPainterSurface::finish() {
    flushlines();
    painter_.reset();
}

QLineF QPainterSurface::crisp(QLineF l) const {
    if (!raster()) return l;
    // Device pixels a logical pixel holds; a line of odd device width is
    // centred on a pixel's middle, one of even width on a pixel's edge.
    const double k = devicescale_ * device_->devicePixelRatio();
    const bool odd = static_cast<int>(std::lround(pendingpen_.width * k)) % 2 == 1;
    auto centre = [&](double v) { return (odd ? std::floor(v * k) + 0.5 : std::round(v * k)) / k; };
    constexpr double STRAIGHT = 1e-6;  // logical pixels
    if (std::abs(l.x1() - l.x2()) < STRAIGHT) l.setLine(centre(l.x1()), l.y1(), centre(l.x1()), l.y2());
    if (std::abs(l.y1() - l.y2()) < STRAIGHT) l.setLine(l.x1(), centre(l.y1()), l.x2(), centre(l.y1()));
    return l;
}

void QPainterSurface::flushlines() {
    if (pendinglines_.empty()) return;
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, !raster());
    p.setPen(qpen(pendingpen_));
    for (QLineF& l : pendinglines_) l = crisp(l);
    p.drawLines(pendinglines_.data(), static_cast<int>(pendinglines_.size()));
    pendinglines_.clear();
}

const QPainterSurface::CachedFont& QPainterSurface::cachedfont(const FontSpec& wanted) {
    auto same = [&](const CachedFont& c) {
        return c.wanted.face == wanted.face && c.wanted.height == wanted.height && c.wanted.weight == wanted.weight &&
               c.wanted.italic == wanted.italic && c.wanted.underline == wanted.underline &&
               c.wanted.strikeout == wanted.strikeout;
    };
    for (const CachedFont& c : fonts_)
        if (same(c)) return c;
    const QFont font = cellfont(wanted);
    fonts_.push_back({wanted, font, QFontMetricsF(font).ascent()});
    return fonts_.back();
}

QFont cellfont(const FontSpec& wanted) {
    QFont font(QString::fromStdString(wanted.face));
    font.setHintingPreference(QFont::PreferNoHinting);  // turned glyphs gain nothing from hinting
    font.setPixelSize(std::max(1, wanted.height));
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.height * wanted.height / cell))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeout);
    return font;
}

QPointF QPainterSurface::topixels(float x, float y) const {
    return {(x - scaleleft_) / tpp_ + offset_.x(), (y - scaletop_) / tpp_ + offset_.y()};
}

QPen QPainterSurface::qpen(Pen pen) const {
    QPen p(qcolour(pen.colour));
    p.setWidthF(pen.width);  // logical pixels
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void QPainterSurface::setscale(float left, float top) {
    scaleleft_ = left;
    scaletop_ = top;
}

void QPainterSurface::cls(Colour background) {
    cleared_ = qcolour(background);
    pendinglines_.clear();  // cleared anyway
    if (beforeclear) {
        finish();
        beforeclear();
    }
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(offset_, QSizeF(pixelsof(twips_, tpp_))), cleared_);
    if (!clearrect_.isEmpty()) p.fillRect(clearrect_, cleared_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QPainterSurface::line(float x1, float y1, float x2, float y2, Pen pen) {
    if (!pendinglines_.empty() && (pen.colour != pendingpen_.colour || pen.width != pendingpen_.width)) flushlines();
    pendingpen_ = pen;
    pendinglines_.emplace_back(topixels(x1, y1), topixels(x2, y2));
}

void QPainterSurface::circle(float x, float y, float r, Pen pen, Fill fill) {
    flushlines();
    QPainter& p = painter();
    const QPointF centre = topixels(x, y);
    const double rpx = r / tpp_;
    if (fill.solid) {  // the area smooth, its outline crisp over it
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(qcolour(fill.colour));
        p.drawEllipse(centre, rpx, rpx);
    }
    p.setRenderHint(QPainter::Antialiasing, !raster());
    p.setPen(qpen(pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rpx, rpx);
}

void QPainterSurface::print(const std::string& text, float x, float y, Colour colour, const FontSpec& wanted) {
    flushlines();
    const CachedFont& font = cachedfont(wanted);
    QPainter& p = painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(topixels(x, y));
    p.rotate(-wanted.escapement / 10.0);  // counter-clockwise on the screen
    p.setFont(font.font);
    p.setPen(qcolour(colour));
    p.drawText(QPointF(0, font.ascent), QString::fromStdString(text));
    p.restore();
}

void QPainterSurface::polygon(const std::vector<PixelPoint>& points, Pen pen, Fill fill) {
    flushlines();
    QPolygonF poly;  // pixels of the box, whose corner lies at the offset
    for (const PixelPoint& pt : points) poly << QPointF(pt.x + offset_.x(), pt.y + offset_.y());
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen edge = qpen(pen);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setPen(edge);
    p.setBrush(fill.solid ? QBrush(qcolour(fill.colour)) : QBrush(Qt::NoBrush));
    p.drawPolygon(poly, Qt::OddEvenFill);
}

void QPainterSurface::doevents() {
    if (onevents) onevents();
}

PictureImage::PictureImage(QSizeF sizetwips, double twipsperpixel, double ratio)
    : image_(ratioimage(pixelsof(sizetwips, twipsperpixel), ratio)), tpp_(twipsperpixel), ratio_(ratio),
      box_(pixelsof(sizetwips, twipsperpixel)), surface_(image_, sizetwips, twipsperpixel) {
    surface_.beforeclear = [this] {
        fit(box_, false);
        surface_.retarget(image_, QSizeF(surface_.width(), surface_.height()));
    };
}

void PictureImage::fit(QSize logical, bool keep) {
    const QSize now = image_.deviceIndependentSize().toSize();
    if (logical == now) return;
    QImage next = ratioimage(logical, ratio_, surface_.cleared());
    if (keep) {
        QPainter p(&next);
        p.drawImage(QPointF((logical.width() - now.width()) / 2, (logical.height() - now.height()) / 2), image_);
    }
    image_ = next;
}

void PictureImage::resize(QSizeF sizetwips) {
    surface_.finish();
    box_ = pixelsof(sizetwips, tpp_);
    fit(image_.deviceIndependentSize().toSize().expandedTo(box_), true);
    surface_.retarget(image_, sizetwips, QPointF(shown().topLeft()));
}

QRect PictureImage::shown() const {
    const QSize whole = image_.deviceIndependentSize().toSize();
    return QRect(QPoint((whole.width() - box_.width()) / 2, (whole.height() - box_.height()) / 2), box_);
}

const QImage& PictureImage::image() {
    surface_.finish();
    return image_;
}

}  // namespace quorvel
