#include "qpaintersurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace quorvel {

QColor qcolour(Colour c) { return QColor(redof(c), greenof(c), blueof(c)); }

QSize pixelsof(QSizeF sizetwips, double twipsperpixel) {
    return QSize(static_cast<int>(std::ceil(sizetwips.width() / twipsperpixel)),
                 static_cast<int>(std::ceil(sizetwips.height() / twipsperpixel)))
        .expandedTo(QSize(1, 1));
}

QPainterSurface::QPainterSurface(QPaintDevice& device, QSizeF sizetwips, double twipsperpixel,
                                 QColor background)
    : device_(&device), twips_(sizetwips), tpp_(twipsperpixel), background_(background) {}

void QPainterSurface::retarget(QPaintDevice& device, QSizeF sizetwips, QPoint offset) {
    finish();
    device_ = &device;
    twips_ = sizetwips;
    offset_ = offset;
}

QPainterSurface::~QPainterSurface() { finish(); }

QPainter& QPainterSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
}

void QPainterSurface::finish() {
    flushlines();
    painter_.reset();
}

void QPainterSurface::flushlines() {
    if (pendinglines_.empty()) return;
    QPen p(qcolour(pendingcolour_));
    p.setWidthF(pendingwidth_);
    p.setCosmetic(true);
    p.setCapStyle(Qt::RoundCap);
    painter().setPen(p);
    painter().drawLines(pendinglines_.data(), static_cast<int>(pendinglines_.size()));
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
    QFont font(QString::fromStdString(wanted.face));
    font.setHintingPreference(QFont::PreferNoHinting);  // turned glyphs gain nothing from hinting
    font.setPixelSize(std::max(1, wanted.height));
    // The height asked for is the character cell (ascent + descent), as a GDI font's.
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.height * wanted.height / cell))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeout);
    fonts_.push_back({wanted, font, QFontMetricsF(font).ascent()});
    return fonts_.back();
}

QPointF QPainterSurface::topixels(float x, float y) const {
    return {(x - scaleleft_) / tpp_ + offset_.x(), (y - scaletop_) / tpp_ + offset_.y()};
}

QPen QPainterSurface::pen(Colour colour) const {
    QPen p(qcolour(colour));
    p.setWidthF(drawwidth);
    p.setCosmetic(true);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void QPainterSurface::setscale(float left, float top) {
    scaleleft_ = left;
    scaletop_ = top;
}

void QPainterSurface::cls() {
    pendinglines_.clear();  // cleared anyway
    if (beforeclear) {
        finish();
        beforeclear();
    }
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(offset_, pixelsof(twips_, tpp_)), qcolour(backcolour));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QPainterSurface::line(float x1, float y1, float x2, float y2, Colour colour) {
    if (!pendinglines_.empty() && (colour != pendingcolour_ || drawwidth != pendingwidth_)) flushlines();
    pendingcolour_ = colour;
    pendingwidth_ = drawwidth;
    pendinglines_.emplace_back(topixels(x1, y1), topixels(x2, y2));
}

void QPainterSurface::circle(float x, float y, float r, Colour colour) {
    flushlines();
    QPainter& p = painter();
    p.setPen(pen(colour));
    p.setBrush(fillstyle == FillStyle::solid ? QBrush(qcolour(fillcolour)) : QBrush(Qt::NoBrush));
    const double rpx = r / tpp_;
    p.drawEllipse(topixels(x, y), rpx, rpx);
}

void QPainterSurface::print(const std::string& text, const FontSpec& wanted) {
    flushlines();
    const CachedFont& font = cachedfont(wanted);
    QPainter& p = painter();
    p.save();
    p.translate(topixels(currentx, currenty));
    p.rotate(-wanted.escapement / 10.0);  // counter-clockwise on the screen
    p.setFont(font.font);
    p.setPen(qcolour(forecolour));
    p.drawText(QPointF(0, font.ascent), QString::fromStdString(text));
    p.restore();
}

void QPainterSurface::polygon(const std::vector<PixelPoint>& points) {
    flushlines();
    QPolygon poly;
    for (const PixelPoint& pt : points) poly << QPoint(pt.x, pt.y);
    QPainter& p = painter();
    p.setPen(pen(forecolour));
    p.setBrush(qcolour(fillcolour));
    p.drawPolygon(poly, Qt::OddEvenFill);
}

void QPainterSurface::doevents() {
    if (onevents) onevents();
}

PictureImage::PictureImage(QSizeF sizetwips, double twipsperpixel)
    : image_(pixelsof(sizetwips, twipsperpixel), QImage::Format_RGB32), tpp_(twipsperpixel),
      box_(image_.size()), surface_(image_, sizetwips, twipsperpixel) {
    image_.fill(PICTURE_BACKGROUND);
    surface_.beforeclear = [this] {
        fit(box_, false);
        surface_.retarget(image_, QSizeF(surface_.width(), surface_.height()));
    };
}

void PictureImage::fit(QSize pixels, bool keep) {
    if (pixels == image_.size()) return;
    QImage next(pixels, QImage::Format_RGB32);
    next.fill(qcolour(surface_.backcolour));
    if (keep) {
        QPainter p(&next);
        p.drawImage((pixels.width() - image_.width()) / 2, (pixels.height() - image_.height()) / 2, image_);
    }
    image_ = next;
}

void PictureImage::resize(QSizeF sizetwips) {
    surface_.finish();
    box_ = pixelsof(sizetwips, tpp_);
    fit(image_.size().expandedTo(box_), true);
    const QRect box = shown();
    surface_.retarget(image_, sizetwips, box.topLeft());
}

QRect PictureImage::shown() const {
    return QRect(QPoint((image_.width() - box_.width()) / 2, (image_.height() - box_.height()) / 2), box_);
}

const QImage& PictureImage::image() {
    surface_.finish();
    return image_;
}

}  // namespace quorvel
