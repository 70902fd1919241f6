#include "art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace vantry::artgen {
namespace {

// ---------------------------------------------------------------- common

const QString kSans = QStringLiteral("Noto Sans CJK SC");
const QString kSerif = QStringLiteral("Noto Serif CJK SC");

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont Font(const QString& family, double pixels, int weight = QFont::Bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The largest font of this family whose text fits the box.
QFont FittingFont(const QString& family, const QString& text, QSizeF box, double maxPixels,
                  int weight = QFont::Bold) {
    for (double px = maxPixels; px > 6; px -= 0.5) {
        QFont font = Font(family, px, weight);
        QFontMetricsF m(font);
        if (m.horizontalAdvance(text) <= box.width() && m.capHeight() * 1.25 <= box.height())
            return font;
    }
    return Font(family, 6, weight);
}

// Text centred on a point, optionally with an outline for legibility.
void CenteredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline = Qt::transparent, double outlineWidth = 0) {
    QFontMetricsF m(font);
    const double x = box.center().x() - m.horizontalAdvance(text) / 2;
    // Centre on the height of the ink of CJK characters, not on ascent/descent.
    const double ink = m.ascent() * 0.88;
    const double y = box.center().y() + ink / 2 - m.descent() * 0.15;
    QPainterPath path;
    path.addText(QPointF(x, y), font, text);
    p.save();
    if (outline.alpha() > 0 && outlineWidth > 0) {
        QPen pen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    }
    p.fillPath(path, fill);
    p.restore();
}

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t),
                            static_cast<float>(a.alphaF() * (1 - t) + b.alphaF() * t));
}

// ---------------------------------------------------------------- suits

enum Suit { Diamonds = 0, Clubs = 1, Hearts = 2, Spades = 3 };

const QColor kRed(0xc4, 0x12, 0x2f);
const QColor kBlack(0x1b, 0x1d, 0x24);

QColor SuitColor(int suit) {
    return suit == Diamonds || suit == Hearts ? kRed : kBlack;
}

// A suit symbol filling the unit square.
QPainterPath UnitPip(int suit) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
        case Diamonds:
            path.moveTo(0.5, 0.0);
            path.quadTo(0.66, 0.28, 0.9, 0.5);
            path.quadTo(0.66, 0.72, 0.5, 1.0);
            path.quadTo(0.34, 0.72, 0.1, 0.5);
            path.quadTo(0.34, 0.28, 0.5, 0.0);
            break;
        case Hearts:
            path.moveTo(0.5, 1.0);
            path.cubicTo(0.42, 0.86, 0.0, 0.62, 0.0, 0.32);
            path.cubicTo(0.0, 0.12, 0.14, 0.02, 0.28, 0.02);
            path.cubicTo(0.4, 0.02, 0.47, 0.09, 0.5, 0.2);
            path.cubicTo(0.53, 0.09, 0.6, 0.02, 0.72, 0.02);
            path.cubicTo(0.86, 0.02, 1.0, 0.12, 1.0, 0.32);
            path.cubicTo(1.0, 0.62, 0.58, 0.86, 0.5, 1.0);
            break;
        case Spades:
            path.moveTo(0.5, 0.0);
            path.cubicTo(0.58, 0.16, 1.0, 0.38, 1.0, 0.62);
            path.cubicTo(1.0, 0.79, 0.87, 0.88, 0.73, 0.88);
            path.cubicTo(0.63, 0.88, 0.56, 0.83, 0.53, 0.76);
            path.quadTo(0.56, 0.93, 0.7, 1.0);
            path.lineTo(0.3, 1.0);
            path.quadTo(0.44, 0.93, 0.47, 0.76);
            path.cubicTo(0.44, 0.83, 0.37, 0.88, 0.27, 0.88);
            path.cubicTo(0.13, 0.88, 0.0, 0.79, 0.0, 0.62);
            path.cubicTo(0.0, 0.38, 0.42, 0.16, 0.5, 0.0);
            break;
        case Clubs:
            path.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
            path.addEllipse(QPointF(0.25, 0.6), 0.23, 0.23);
            path.addEllipse(QPointF(0.75, 0.6), 0.23, 0.23);
            path.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
            path.moveTo(0.47, 0.55);
            path.quadTo(0.45, 0.9, 0.3, 1.0);
            path.lineTo(0.7, 1.0);
            path.quadTo(0.55, 0.9, 0.53, 0.55);
            path.closeSubpath();
            break;
    }
    return path;
}

void DrawPip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown = false) {
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.translate(-size / 2, -size / 2);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColor(suit));
    p.drawPath(UnitPip(suit));
    p.restore();
}

// ---------------------------------------------------------------- cards

QPainterPath CardOutline(double w, double h) {
    QPainterPath path;
    const double r = std::max(4.0, w * 0.085);
    path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), r, r);
    return path;
}

void CardBlank(QPainter& p, double w, double h) {
    QLinearGradient paper(0, 0, w * 0.4, h);
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xf3, 0xf0, 0xe6));
    p.setPen(QPen(QColor(0x6b, 0x6b, 0x70), 1));
    p.setBrush(paper);
    p.drawPath(CardOutline(w, h));
}

QString RankText(int rank) {
    switch (rank) {
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
        case 14:
            return QStringLiteral("A");
        case 15:
            return QStringLiteral("2");
        default:
            return QString::number(rank);
    }
}

// Rank and small pip in the top-left corner; the bottom-right corner is the
// same turned half round.
void CornerIndex(QPainter& p, double w, double h, const QString& rank, int suit) {
    const double s = w / 92.0;
    QFont font = Font(kSans, (rank.size() > 1 ? 17.0 : 19.0) * s, QFont::Bold);
    if (rank.size() > 1)
        font.setLetterSpacing(QFont::PercentageSpacing, 88);
    QFontMetricsF m(font);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(w, h);
            p.rotate(180);
        }
        const double cx = 12.5 * s;
        QPainterPath text;
        text.addText(QPointF(cx - m.horizontalAdvance(rank) / 2, 4 * s + m.capHeight()), font,
                     rank);
        p.fillPath(text, SuitColor(suit));
        DrawPip(p, suit, QPointF(cx, 4 * s + m.capHeight() + 10.5 * s), 12.5 * s);
        p.restore();
    }
}

// Where the pips of a number card sit, as fractions of the pip area.
std::vector<QPointF> PipLayout(int count) {
    const double l = 0.0, c = 0.5, r = 1.0;
    switch (count) {
        case 1:
            return {{c, 0.5}};
        case 2:
            return {{c, 0}, {c, 1}};
        case 3:
            return {{c, 0}, {c, 0.5}, {c, 1}};
        case 4:
            return {{l, 0}, {r, 0}, {l, 1}, {r, 1}};
        case 5:
            return {{l, 0}, {r, 0}, {c, 0.5}, {l, 1}, {r, 1}};
        case 6:
            return {{l, 0}, {r, 0}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
        case 7:
            return {{l, 0}, {r, 0}, {c, 0.25}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
        case 8:
            return {{l, 0}, {r, 0}, {c, 0.25}, {l, 0.5}, {r, 0.5}, {c, 0.75}, {l, 1}, {r, 1}};
        case 9:
            return {{l, 0},       {r, 0},       {l, 1.0 / 3}, {r, 1.0 / 3}, {c, 0.5},
                    {l, 2.0 / 3}, {r, 2.0 / 3}, {l, 1},       {r, 1}};
        default:
            return {{l, 0},       {r, 0},       {c, 1.0 / 6}, {l, 1.0 / 3}, {r, 1.0 / 3},
                    {l, 2.0 / 3}, {r, 2.0 / 3}, {c, 5.0 / 6}, {l, 1},       {r, 1}};
    }
}

// A court figure in the upper half of the frame; the lower half is the same
// figure turned round, as on a printed card.
void CourtHalf(QPainter& p, QRectF half, int rank, int suit) {
    const QColor ink = SuitColor(suit);
    const QColor robe =
        suit == Hearts || suit == Diamonds ? QColor(0xc4, 0x12, 0x2f) : QColor(0x24, 0x4a, 0x9a);
    const QColor trim(0xe8, 0xb4, 0x2a);
    const double w = half.width();
    const double h = half.height();
    const double cx = half.center().x();
    const double headY = half.top() + h * 0.4;
    const double headR = w * 0.16;

    // Robe: square shoulders down to the dividing line, with a sash across.
    QPainterPath body;
    const double shoulder = headY + headR * 1.05;
    body.moveTo(cx - w * 0.4, half.bottom() + 1);
    body.lineTo(cx - w * 0.38, shoulder + headR * 0.7);
    body.quadTo(cx - w * 0.36, shoulder, cx - headR * 0.6, shoulder);
    body.lineTo(cx + headR * 0.6, shoulder);
    body.quadTo(cx + w * 0.36, shoulder, cx + w * 0.38, shoulder + headR * 0.7);
    body.lineTo(cx + w * 0.4, half.bottom() + 1);
    body.closeSubpath();
    p.setPen(QPen(ink.darker(140), std::max(0.8, w / 60)));
    p.setBrush(robe);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    QPainterPath sash;
    sash.moveTo(cx - w * 0.4, shoulder);
    sash.lineTo(cx - w * 0.26, shoulder);
    sash.lineTo(cx + w * 0.4, half.bottom() - h * 0.02);
    sash.lineTo(cx + w * 0.4, half.bottom() + h * 0.12);
    sash.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(trim);
    p.drawPath(sash);
    p.restore();
    // Collar trim.
    QPainterPath collar;
    collar.moveTo(cx - headR * 0.8, shoulder);
    collar.quadTo(cx, shoulder + headR * 1.0, cx + headR * 0.8, shoulder);
    p.setPen(QPen(Qt::white, std::max(1.2, w / 26), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(collar);
    // Sceptre for the king and queen, a sword for the jack.
    const double staffX = cx + w * (rank == 11 ? -0.3 : 0.3);
    p.setPen(QPen(rank == 11 ? QColor(0x9a, 0xa4, 0xb4) : QColor(0xb8, 0x8a, 0x1e),
                  std::max(1.2, w / 30), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(staffX, half.bottom() - h * 0.04), QPointF(staffX, headY - headR * 0.2));
    p.setPen(QPen(QColor(0x7a, 0x50, 0x08), std::max(0.6, w / 90)));
    p.setBrush(trim);
    if (rank == 11)
        p.drawRect(QRectF(staffX - w * 0.07, headY + headR * 1.6, w * 0.14, w * 0.035));
    else
        p.drawEllipse(QPointF(staffX, headY - headR * 0.35), w * 0.05, w * 0.05);

    // Head.
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x2a), std::max(0.7, w / 70)));
    p.setBrush(QColor(0xf6, 0xd2, 0xb0));
    p.drawEllipse(QPointF(cx, headY), headR, headR * 1.1);
    // Eyes and smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x1a, 0x10));
    p.drawEllipse(QPointF(cx - headR * 0.38, headY - headR * 0.05), headR * 0.11, headR * 0.13);
    p.drawEllipse(QPointF(cx + headR * 0.38, headY - headR * 0.05), headR * 0.11, headR * 0.13);
    p.setPen(QPen(QColor(0x9a, 0x3a, 0x2a), std::max(0.7, w / 80), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - headR * 0.4, headY + headR * 0.05, headR * 0.8, headR * 0.5), 200 * 16,
              140 * 16);
    if (rank == 13) {  // beard of the king
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8a, 0x5a, 0x30));
        QPainterPath beard;
        beard.moveTo(cx - headR * 0.9, headY + headR * 0.2);
        beard.quadTo(cx, headY + headR * 1.9, cx + headR * 0.9, headY + headR * 0.2);
        beard.quadTo(cx, headY + headR * 0.9, cx - headR * 0.9, headY + headR * 0.2);
        p.drawPath(beard);
    }

    // Headwear: crown for the king, tiara for the queen, feathered cap for the jack.
    const double top = headY - headR * 1.05;
    p.setPen(QPen(QColor(0x8a, 0x60, 0x10), std::max(0.6, w / 90)));
    p.setBrush(trim);
    if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(cx - headR, top + headR * 0.2);
        crown.lineTo(cx - headR * 1.05, top - headR * 0.75);
        crown.lineTo(cx - headR * 0.5, top - headR * 0.2);
        crown.lineTo(cx, top - headR * 0.95);
        crown.lineTo(cx + headR * 0.5, top - headR * 0.2);
        crown.lineTo(cx + headR * 1.05, top - headR * 0.75);
        crown.lineTo(cx + headR, top + headR * 0.2);
        crown.closeSubpath();
        p.drawPath(crown);
    } else if (rank == 12) {
        QPainterPath hair;
        hair.addEllipse(QPointF(cx, headY - headR * 0.2), headR * 1.18, headR * 1.05);
        QPainterPath face;
        face.addEllipse(QPointF(cx, headY + headR * 0.25), headR * 0.85, headR * 0.95);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5a, 0x34, 0x1a));
        p.drawPath(hair.subtracted(face));
        p.restore();
        QPainterPath tiara;
        tiara.moveTo(cx - headR * 0.9, top + headR * 0.25);
        tiara.quadTo(cx, top - headR * 0.75, cx + headR * 0.9, top + headR * 0.25);
        tiara.quadTo(cx, top - headR * 0.1, cx - headR * 0.9, top + headR * 0.25);
        p.drawPath(tiara);
        p.setBrush(ink == kRed ? QColor(0x2a, 0x6a, 0xd0) : kRed);
        p.drawEllipse(QPointF(cx, top - headR * 0.18), headR * 0.18, headR * 0.18);
    } else {
        QPainterPath cap;
        cap.moveTo(cx - headR * 1.1, top + headR * 0.35);
        cap.quadTo(cx - headR * 0.2, top - headR * 0.9, cx + headR * 1.1, top + headR * 0.35);
        cap.closeSubpath();
        p.setBrush(robe.darker(115));
        p.drawPath(cap);
        QPainterPath feather;
        feather.moveTo(cx + headR * 0.4, top - headR * 0.1);
        feather.quadTo(cx + headR * 1.6, top - headR * 1.0, cx + headR * 1.5, top - headR * 0.1);
        feather.quadTo(cx + headR * 1.1, top + headR * 0.05, cx + headR * 0.4, top - headR * 0.1);
        p.setBrush(trim);
        p.drawPath(feather);
    }
    // A pip beside the figure names the suit.
    DrawPip(p, suit, QPointF(half.left() + w * 0.17, half.top() + h * 0.22), w * 0.2);
}

QImage CardFace(int suit, int rank, int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    CardBlank(p, w, h);
    const QString text = RankText(rank);
    CornerIndex(p, w, h, text, suit);

    const double s = w / 92.0;
    if (rank >= 11 && rank <= 13) {
        QRectF frame(24 * s, 11 * s, w - 48 * s, h - 22 * s);
        QLinearGradient tint(frame.topLeft(), frame.bottomRight());
        tint.setColorAt(0, QColor(0xfd, 0xf6, 0xe3));
        tint.setColorAt(1, QColor(0xf3, 0xe3, 0xbd));
        p.setPen(QPen(SuitColor(suit), std::max(1.0, 1.3 * s)));
        p.setBrush(tint);
        p.drawRect(frame);
        p.save();
        p.setClipRect(frame.adjusted(1, 1, -1, -1));
        QRectF upper(frame.left(), frame.top(), frame.width(), frame.height() / 2);
        CourtHalf(p, upper, rank, suit);
        p.translate(frame.center());
        p.rotate(180);
        p.translate(-frame.center());
        CourtHalf(p, upper, rank, suit);
        p.restore();
        p.setPen(QPen(SuitColor(suit), std::max(0.8, 0.9 * s)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
        p.drawLine(QPointF(frame.left(), frame.center().y()),
                   QPointF(frame.right(), frame.center().y()));
        return image;
    }
    if (rank == 14) {
        // The ace: one large pip with a thin ring.
        const double size = (suit == Spades ? 46 : 40) * s;
        DrawPip(p, suit, QPointF(w / 2.0, h / 2.0), size);
        if (suit == Spades) {
            p.setPen(QPen(QColor(0xb8, 0x8a, 0x1e), std::max(0.8, s)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(w / 2.0, h / 2.0), 30 * s, 30 * s);
        }
        return image;
    }
    const int count = rank == 15 ? 2 : rank;
    const double pip = (count >= 9 ? 15.5 : 17) * s;
    QRectF area(31 * s, 22 * s, w - 62 * s, h - 44 * s);
    for (const QPointF& at : PipLayout(count)) {
        const QPointF centre(area.left() + at.x() * area.width(),
                             area.top() + at.y() * area.height());
        DrawPip(p, suit, centre, pip, at.y() > 0.5 + 1e-9);
    }
    return image;
}

void Star(QPainter& p, QPointF c, double outer, double inner, double rotationDeg = -90) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = (rotationDeg + i * 36) * M_PI / 180;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
}

QImage Joker(bool big, int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    CardBlank(p, w, h);
    const double s = w / 92.0;
    const QColor ink = big ? kRed : kBlack;
    const QColor hatA = big ? QColor(0xc4, 0x12, 0x2f) : QColor(0x2a, 0x2c, 0x34);
    const QColor hatB = big ? QColor(0xe8, 0xb4, 0x2a) : QColor(0x9a, 0x9c, 0xa6);

    // "JOKER" written down both corners.
    QFont font = Font(kSans, 10.5 * s, QFont::Black);
    QFontMetricsF m(font);
    const QString word = QStringLiteral("JOKER");
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(w, h);
            p.rotate(180);
        }
        for (int i = 0; i < word.size(); ++i) {
            QPainterPath letter;
            const QString c = word.mid(i, 1);
            letter.addText(QPointF(10 * s - m.horizontalAdvance(c) / 2, 13 * s + i * 10.5 * s),
                           font, c);
            p.fillPath(letter, ink);
        }
        p.restore();
    }

    // A jester: face, three-pointed hat with bells, ruff collar.
    const QPointF c(w / 2.0, h * 0.55);
    const double r = 15 * s;
    p.setPen(QPen(ink.darker(130), std::max(0.8, s)));
    // Ruff.
    for (int i = 0; i < 7; ++i) {
        const double x = c.x() - 18 * s + i * 6 * s;
        p.setBrush(i % 2 == 0 ? hatA : hatB);
        p.drawEllipse(QPointF(x, c.y() + r * 1.15), 5 * s, 4.5 * s);
    }
    // Hat: three points.
    QPainterPath hat[3];
    const std::array<double, 3> tipX{c.x() - 22 * s, c.x(), c.x() + 22 * s};
    const std::array<double, 3> tipY{c.y() - 26 * s, c.y() - 38 * s, c.y() - 26 * s};
    for (int i = 0; i < 3; ++i) {
        QPainterPath part;
        part.moveTo(c.x() - r * 0.95 + i * r * 0.63, c.y() - r * 0.55);
        part.quadTo(tipX[i] - 2 * s, (tipY[i] + c.y() - r) / 2, tipX[i], tipY[i]);
        part.quadTo(tipX[i] + 4 * s, (tipY[i] + c.y() - r) / 2, c.x() - r * 0.32 + i * r * 0.63,
                    c.y() - r * 0.55);
        part.closeSubpath();
        p.setBrush(i == 1 ? hatB : hatA);
        p.drawPath(part);
    }
    p.setBrush(hatB.lighter(110));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(tipX[i], tipY[i]), 3.2 * s, 3.2 * s);
    // Face.
    p.setBrush(QColor(0xfb, 0xe4, 0xcc));
    p.drawEllipse(c, r, r * 1.02);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x22, 0x2a));
    p.drawEllipse(QPointF(c.x() - r * 0.38, c.y() - r * 0.15), r * 0.11, r * 0.15);
    p.drawEllipse(QPointF(c.x() + r * 0.38, c.y() - r * 0.15), r * 0.11, r * 0.15);
    p.setBrush(big ? QColor(0xe0, 0x30, 0x40) : QColor(0x55, 0x58, 0x66));
    p.drawEllipse(QPointF(c.x(), c.y() + r * 0.12), r * 0.16, r * 0.16);
    p.setPen(QPen(QColor(0x9a, 0x20, 0x30), std::max(0.9, 1.2 * s), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.55, c.y() - r * 0.05, r * 1.1, r * 0.75), 200 * 16, 140 * 16);
    // Stars below.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    Star(p, QPointF(c.x(), h - 14 * s), 6 * s, 2.6 * s);
    return image;
}

void CardBack(QPainter& p, QRectF card, QColor base, QColor accent) {
    const double w = card.width();
    const double r = std::max(4.0, w * 0.085);
    p.save();
    p.translate(card.topLeft());
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, card.height() - 1), r, r);
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
    p.setBrush(QColor(0xfb, 0xfb, 0xf8));
    p.drawPath(outline);
    const double m = std::max(3.0, w * 0.07);
    QRectF inner(m, m, w - 2 * m, card.height() - 2 * m);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, r * 0.6, r * 0.6);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, base.lighter(125));
    g.setColorAt(1, base.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(innerPath);
    // Diamond lattice.
    p.setClipPath(innerPath);
    p.setPen(QPen(Mix(base, QColor(255, 255, 255), 0.35), std::max(0.8, w / 70)));
    const double step = w / 7.0;
    for (double d = -card.height(); d < w + card.height(); d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + card.height(), card.height()));
        p.drawLine(QPointF(d, card.height()), QPointF(d + card.height(), 0));
    }
    // Centre medallion.
    const QPointF c = inner.center();
    p.setPen(QPen(accent, std::max(1.0, w / 40)));
    p.setBrush(base.darker(115));
    p.drawEllipse(c, w * 0.22, w * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    Star(p, c, w * 0.14, w * 0.06);
    p.setClipping(false);
    p.setPen(QPen(accent, std::max(0.8, w / 80)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(innerPath);
    p.restore();
}

const QColor kBackBlue(0x1d, 0x3f, 0x8c);
const QColor kBackRed(0x9c, 0x1c, 0x2c);
const QColor kGold(0xe8, 0xc0, 0x4a);

QImage SingleBack(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    CardBack(p, QRectF(0, 0, w, h), kBackBlue, kGold);
    return image;
}

// A fan of n face-down cards turning about a point below the hand, scaled to
// fit the picture.
QImage Fan(int n, int w, int h, QColor base, double stepDeg) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const QSizeF card(78, 103);
    const double spread = n > 1 ? std::min(stepDeg * (n - 1), 110.0) : 0;
    const QPointF pivot(0, card.height() * 1.6);
    // Measure the fan before drawing it.
    QRectF bounds;
    for (int i = 0; i < n; ++i) {
        const double a = n > 1 ? -spread / 2 + spread * i / (n - 1) : 0;
        QTransform t;
        t.translate(pivot.x(), pivot.y());
        t.rotate(a);
        t.translate(-pivot.x(), -pivot.y());
        bounds |= t.mapRect(QRectF(QPointF(-card.width() / 2, 0), card));
    }
    const double scale = std::min((w - 1) / bounds.width(), (h - 1) / bounds.height());
    p.translate(w / 2.0, h / 2.0);
    p.scale(scale, scale);
    p.translate(-bounds.center());
    for (int i = 0; i < n; ++i) {
        const double a = n > 1 ? -spread / 2 + spread * i / (n - 1) : 0;
        p.save();
        p.translate(pivot);
        p.rotate(a);
        p.translate(-pivot);
        CardBack(p, QRectF(QPointF(-card.width() / 2, 0), card), base, kGold);
        p.restore();
    }
    return image;
}

// ---------------------------------------------------------------- buttons

enum class State { Normal, Hover, Disabled };

struct Theme {
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
    QColor textOutline;
};

const Theme kWood{QColor(0xf6, 0xc4, 0x5a), QColor(0xc0, 0x70, 0x18), QColor(0x6a, 0x38, 0x08),
                  QColor(0xff, 0xff, 0xff), QColor(0x7a, 0x3a, 0x04)};
const Theme kJade{QColor(0x6c, 0xd8, 0x8a), QColor(0x1c, 0x8a, 0x44), QColor(0x0c, 0x4a, 0x22),
                  QColor(0xff, 0xff, 0xff), QColor(0x0c, 0x50, 0x24)};
const Theme kSky{QColor(0x7c, 0xc4, 0xf4), QColor(0x22, 0x6c, 0xc0), QColor(0x0e, 0x36, 0x72),
                 QColor(0xff, 0xff, 0xff), QColor(0x0e, 0x3a, 0x7a)};
const Theme kRuby{QColor(0xf4, 0x7a, 0x6a), QColor(0xb8, 0x1c, 0x24), QColor(0x62, 0x08, 0x10),
                  QColor(0xff, 0xf2, 0xc0), QColor(0x6a, 0x08, 0x10)};
const Theme kPlum{QColor(0xc0, 0x9a, 0xea), QColor(0x6a, 0x3c, 0xb0), QColor(0x34, 0x18, 0x62),
                  QColor(0xff, 0xff, 0xff), QColor(0x36, 0x16, 0x66)};
const Theme kSlate{QColor(0x9a, 0xa8, 0xb8), QColor(0x4a, 0x58, 0x6c), QColor(0x22, 0x2a, 0x36),
                   QColor(0xff, 0xff, 0xff), QColor(0x22, 0x2a, 0x36)};

void Button(QPainter& p, QRectF box, const QString& label, const Theme& theme, State state,
            double radius = -1) {
    Theme t = theme;
    if (state == State::Hover) {
        t.top = t.top.lighter(118);
        t.bottom = t.bottom.lighter(125);
    } else if (state == State::Disabled) {
        auto grey = [](QColor c) {
            const int v = qGray(c.rgb());
            return QColor(v, v, v);
        };
        t.top = grey(t.top).lighter(105);
        t.bottom = grey(t.bottom).lighter(115);
        t.border = QColor(0x70, 0x70, 0x70);
        t.text = QColor(0xe4, 0xe4, 0xe4);
        t.textOutline = QColor(0x80, 0x80, 0x80);
    }
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const double rad = radius >= 0 ? radius : std::min(r.height() * 0.38, 10.0);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, t.top);
    g.setColorAt(0.5, Mix(t.top, t.bottom, 0.55));
    g.setColorAt(1, t.bottom);
    p.setPen(QPen(t.border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, rad, rad);
    // Glossy upper half.
    QRectF gloss = r.adjusted(1.5, 1.5, -1.5, -r.height() * 0.5);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, state == State::Disabled ? 60 : 120));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, std::max(0.0, rad - 1.5), std::max(0.0, rad - 1.5));
    if (state == State::Hover) {
        p.setPen(QPen(QColor(0xff, 0xf0, 0x9a), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), std::max(0.0, rad - 1), std::max(0.0, rad - 1));
    }
    if (!label.isEmpty()) {
        const QSizeF room(r.width() - std::max(6.0, r.height() * 0.45), r.height() * 0.72);
        const QFont font = FittingFont(kSans, label, room, r.height() * 0.56, QFont::Bold);
        CenteredText(p, r, label, font, t.text, t.textOutline, std::max(1.6, r.height() / 11));
    }
}

QImage ButtonPicture(int w, int h, const QString& label, const Theme& theme, State state,
                     double radius = -1) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    Button(p, QRectF(0, 0, w, h), label, theme, state, radius);
    return image;
}

// ---------------------------------------------------------------- bubbles

// Tail direction of a bubble: which corner of the picture it points to.
enum class Tail { DownLeft, UpLeft, Up, UpRight };

QImage Bubble(int w, int h, const QString& word, Tail tail, QColor ink) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const double tailLen = std::min(w, h) * 0.2;
    QRectF body(2, 2, w - 4, h - 4);
    switch (tail) {
        case Tail::DownLeft:
            body.setBottom(h - 2 - tailLen);
            break;
        case Tail::UpLeft:
        case Tail::Up:
        case Tail::UpRight:
            body.setTop(2 + tailLen);
            break;
    }
    body.adjust(0, 0, -2, -2);  // room for the shadow
    QPainterPath shape;
    const double rad = std::min(body.width(), body.height()) * 0.32;
    shape.addRoundedRect(body, rad, rad);
    QPainterPath point;
    switch (tail) {
        case Tail::DownLeft:
            point.moveTo(body.left() + body.width() * 0.22, body.bottom() - 4);
            point.quadTo(body.left() + body.width() * 0.2, h - 6, body.left() + 4, h - 4);
            point.quadTo(body.left() + body.width() * 0.35, body.bottom() + tailLen * 0.3,
                         body.left() + body.width() * 0.42, body.bottom() - 4);
            break;
        case Tail::UpLeft:
            point.moveTo(body.left() + body.width() * 0.2, body.top() + 4);
            point.quadTo(body.left() + body.width() * 0.16, 6, body.left() + 4, 3);
            point.quadTo(body.left() + body.width() * 0.32, body.top() - tailLen * 0.3,
                         body.left() + body.width() * 0.4, body.top() + 4);
            break;
        case Tail::Up:
            point.moveTo(body.center().x() - body.width() * 0.12, body.top() + 4);
            point.quadTo(body.center().x() - 4, 8, body.center().x() - 8, 3);
            point.quadTo(body.center().x() + 6, body.top() - tailLen * 0.3,
                         body.center().x() + body.width() * 0.1, body.top() + 4);
            break;
        case Tail::UpRight:
            point.moveTo(body.right() - body.width() * 0.2, body.top() + 4);
            point.quadTo(body.right() - body.width() * 0.16, 6, body.right() - 4, 3);
            point.quadTo(body.right() - body.width() * 0.32, body.top() - tailLen * 0.3,
                         body.right() - body.width() * 0.4, body.top() + 4);
            break;
    }
    point.closeSubpath();
    const QPainterPath bubble = shape.united(point);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(bubble.translated(2, 2));
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xff, 0xf3, 0xcc));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x10), 2));
    p.setBrush(g);
    p.drawPath(bubble);
    const QSizeF room(body.width() * 0.8, body.height() * 0.62);
    const QFont font =
        FittingFont(kSans, word, room, std::min(body.height() * 0.5, 46.0), QFont::Black);
    CenteredText(p, body, word, font, ink, QColor(0xff, 0xff, 0xff), 3);
    return image;
}

// ---------------------------------------------------------------- avatars

struct Look {
    QColor background;
    QColor skin;
    QColor hair;
    QColor shirt;
    int hairStyle;
    bool glasses;
};

Look AvatarLook(int index) {
    static const std::array<QColor, 10> backgrounds{
        QColor(0xbf, 0xe3, 0xf7), QColor(0xfd, 0xd9, 0xb5), QColor(0xcd, 0xec, 0xc4),
        QColor(0xe6, 0xd4, 0xf6), QColor(0xfb, 0xe7, 0x9d), QColor(0xf8, 0xcd, 0xd6),
        QColor(0xc9, 0xe8, 0xe4), QColor(0xdc, 0xe0, 0xea), QColor(0xf2, 0xdc, 0xc4),
        QColor(0xd7, 0xf0, 0xa8)};
    static const std::array<QColor, 4> skins{QColor(0xfc, 0xdc, 0xc0), QColor(0xf2, 0xc8, 0xa0),
                                             QColor(0xe0, 0xac, 0x80), QColor(0xc0, 0x8a, 0x60)};
    static const std::array<QColor, 5> hairs{QColor(0x2a, 0x22, 0x20), QColor(0x5a, 0x38, 0x20),
                                             QColor(0x1a, 0x1a, 0x1e), QColor(0x8a, 0x50, 0x28),
                                             QColor(0x9a, 0x9a, 0xa2)};
    static const std::array<QColor, 7> shirts{QColor(0x2f, 0x6f, 0xd6), QColor(0xd6, 0x3a, 0x3a),
                                              QColor(0x2f, 0xa0, 0x5a), QColor(0xf0, 0x9a, 0x1a),
                                              QColor(0x7a, 0x4a, 0xc0), QColor(0x1a, 0x9a, 0xa8),
                                              QColor(0xe0, 0x5a, 0x9a)};
    const int k = index % 10;
    Look look;
    look.background = backgrounds[static_cast<std::size_t>((k * 3 + index / 10 * 5) % 10)];
    look.skin = skins[static_cast<std::size_t>((k * 5 + 1) % 4)];
    look.hair = hairs[static_cast<std::size_t>(k == 9 ? 4 : (k * 3) % 4)];
    look.shirt = shirts[static_cast<std::size_t>((k * 2 + index / 10 * 3) % 7)];
    look.hairStyle = k % 3;
    look.glasses = k == 3 || k == 7;
    return look;
}

QImage Avatar(int index, int w, int h) {
    const bool female = index >= 10;
    const Look look = AvatarLook(index);
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const QRectF frame(1, 1, w - 2, h - 2);
    QPainterPath framePath;
    framePath.addRoundedRect(frame, 12, 12);
    QRadialGradient bg(frame.center().x(), frame.top() + h * 0.35, w * 0.8);
    bg.setColorAt(0, look.background.lighter(112));
    bg.setColorAt(1, look.background.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawPath(framePath);
    p.save();
    p.setClipPath(framePath);

    const double cx = w / 2.0;
    const double headY = h * 0.43;
    const double rx = w * 0.22;
    const double ry = h * 0.235;
    const QColor line = look.skin.darker(150);

    // Long hair falls behind the shoulders.
    if (female && look.hairStyle != 2) {
        QPainterPath back;
        back.addRoundedRect(QRectF(cx - rx * 1.3, headY - ry * 1.1, rx * 2.6,
                                   ry * (look.hairStyle == 0 ? 2.55 : 1.9)),
                            rx * 0.9, rx * 0.9);
        p.setBrush(look.hair);
        p.drawPath(back);
    }
    // Shoulders and neck.
    QPainterPath body;
    body.moveTo(cx - w * 0.42, h + 2);
    body.cubicTo(cx - w * 0.4, h * 0.78, cx - w * 0.2, h * 0.72, cx, h * 0.72);
    body.cubicTo(cx + w * 0.2, h * 0.72, cx + w * 0.4, h * 0.78, cx + w * 0.42, h + 2);
    body.closeSubpath();
    p.setBrush(look.skin.darker(108));
    p.drawRect(QRectF(cx - rx * 0.38, headY + ry * 0.6, rx * 0.76, ry * 0.75));
    p.setBrush(look.shirt);
    p.setPen(QPen(look.shirt.darker(140), 1));
    p.drawPath(body);
    QPainterPath collar;
    collar.moveTo(cx - rx * 0.5, h * 0.735);
    collar.lineTo(cx, h * 0.82);
    collar.lineTo(cx + rx * 0.5, h * 0.735);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(collar);

    // Ears and head.
    p.setPen(QPen(line, 1));
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(cx - rx * 0.98, headY + ry * 0.05), rx * 0.18, ry * 0.2);
    p.drawEllipse(QPointF(cx + rx * 0.98, headY + ry * 0.05), rx * 0.18, ry * 0.2);
    p.drawEllipse(QPointF(cx, headY), rx, ry);

    // Hair on top.
    QPainterPath skull;
    skull.addEllipse(QPointF(cx, headY - ry * 0.08), rx * 1.08, ry * 1.02);
    QPainterPath face;
    if (female) {
        face.addEllipse(QPointF(cx, headY + ry * 0.42), rx * 0.95, ry * 0.95);
    } else if (look.hairStyle == 0) {
        face.addEllipse(QPointF(cx, headY + ry * 0.5), rx * 1.1, ry * 0.98);
    } else if (look.hairStyle == 1) {
        face.addEllipse(QPointF(cx + rx * 0.25, headY + ry * 0.45), rx * 1.05, ry * 0.95);
    } else {
        face.addEllipse(QPointF(cx, headY + ry * 0.58), rx * 1.15, ry * 1.0);
    }
    QPainterPath hair = skull.subtracted(face);
    if (!female && look.hairStyle == 2) {
        // Spiky tufts.
        for (int i = 0; i < 5; ++i) {
            QPainterPath tuft;
            const double x = cx - rx * 0.8 + i * rx * 0.4;
            tuft.moveTo(x - rx * 0.22, headY - ry * 0.75);
            tuft.lineTo(x + rx * 0.05, headY - ry * 1.3);
            tuft.lineTo(x + rx * 0.24, headY - ry * 0.75);
            tuft.closeSubpath();
            hair = hair.united(tuft);
        }
    }
    if (female && look.hairStyle == 2) {
        QPainterPath bun;
        bun.addEllipse(QPointF(cx, headY - ry * 1.12), rx * 0.42, ry * 0.3);
        hair = hair.united(bun);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    p.drawPath(hair);
    if (female) {  // a hair clip
        p.setBrush(QColor(0xff, 0x6a, 0x8a));
        p.drawEllipse(QPointF(cx + rx * 0.62, headY - ry * 0.52), rx * 0.16, rx * 0.16);
    }

    // Eyes, brows, cheeks, smile.
    const double eyeY = headY + ry * 0.08;
    p.setBrush(QColor(0x2a, 0x20, 0x1c));
    for (int side : {-1, 1}) {
        p.drawEllipse(QPointF(cx + side * rx * 0.4, eyeY), rx * 0.1, ry * 0.13);
        p.save();
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx + side * rx * 0.4 + rx * 0.035, eyeY - ry * 0.04), rx * 0.035,
                      rx * 0.035);
        p.restore();
    }
    p.setPen(QPen(look.hair.darker(110), female ? 1.2 : 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        p.drawLine(QPointF(cx + side * rx * 0.58, eyeY - ry * 0.3),
                   QPointF(cx + side * rx * 0.22, eyeY - ry * 0.34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x7a, 0x7a, female ? 110 : 60));
    for (int side : {-1, 1})
        p.drawEllipse(QPointF(cx + side * rx * 0.55, headY + ry * 0.36), rx * 0.17, ry * 0.1);
    p.setPen(QPen(QColor(0xa0, 0x30, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - rx * 0.3, headY + ry * 0.22, rx * 0.6, ry * 0.38), 200 * 16, 140 * 16);
    if (look.glasses) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.4));
        for (int side : {-1, 1})
            p.drawEllipse(QPointF(cx + side * rx * 0.42, eyeY), rx * 0.27, rx * 0.24);
        p.drawLine(QPointF(cx - rx * 0.15, eyeY), QPointF(cx + rx * 0.15, eyeY));
    }
    p.restore();
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 230), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 11, 11);
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x44), 1));
    p.drawPath(framePath);
    return image;
}

// ---------------------------------------------------------------- badges

QImage Tag(int w, int h, const QString& label, QColor a, QColor b, QColor text, bool check) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.setPen(QPen(b.darker(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, h / 2.0, h / 2.0);
    QRectF textBox = r;
    if (check) {
        const QPointF c(r.left() + h * 0.5, r.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(c, h * 0.34, h * 0.34);
        p.setPen(QPen(b.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(c.x() - h * 0.17, c.y());
        tick.lineTo(c.x() - h * 0.04, c.y() + h * 0.13);
        tick.lineTo(c.x() + h * 0.19, c.y() - h * 0.14);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        textBox.setLeft(r.left() + h * 0.9);
    }
    const QFont font = FittingFont(kSans, label, QSizeF(textBox.width() - 8, h * 0.7), h * 0.62);
    CenteredText(p, textBox, label, font, text, b.darker(170), 1.8);
    return image;
}

QImage PlaceBadge(int place, int w, int h) {
    static const std::array<std::array<QColor, 2>, 3> medals{{
        {QColor(0xff, 0xe0, 0x6a), QColor(0xc8, 0x8a, 0x0a)},
        {QColor(0xf2, 0xf4, 0xf8), QColor(0x8a, 0x94, 0xa6)},
        {QColor(0xf4, 0xb8, 0x82), QColor(0xa0, 0x58, 0x22)},
    }};
    static const std::array<QString, 3> words{QStringLiteral("第一名"), QStringLiteral("第二名"),
                                              QStringLiteral("第三名")};
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const auto& m = medals[static_cast<std::size_t>(place)];
    // Ribbon behind, medal on the left, word on the right.
    QRectF ribbon(h * 0.5, h * 0.14, w - h * 0.5 - 1, h * 0.72);
    QLinearGradient rg(ribbon.topLeft(), ribbon.bottomLeft());
    rg.setColorAt(0, QColor(0xe0, 0x3a, 0x3a));
    rg.setColorAt(1, QColor(0x9a, 0x14, 0x1c));
    p.setPen(QPen(QColor(0x60, 0x0a, 0x10), 1));
    p.setBrush(rg);
    QPainterPath band;
    band.moveTo(ribbon.topLeft());
    band.lineTo(ribbon.topRight());
    band.lineTo(ribbon.right() - h * 0.22, ribbon.center().y());
    band.lineTo(ribbon.bottomRight());
    band.lineTo(ribbon.bottomLeft());
    band.closeSubpath();
    p.drawPath(band);
    const QPointF c(h * 0.5, h * 0.5);
    QRadialGradient mg(c.x() - h * 0.12, c.y() - h * 0.12, h * 0.55);
    mg.setColorAt(0, m[0]);
    mg.setColorAt(1, m[1]);
    p.setPen(QPen(m[1].darker(150), 1));
    p.setBrush(mg);
    p.drawEllipse(c, h * 0.46, h * 0.46);
    CenteredText(p, QRectF(c.x() - h * 0.4, c.y() - h * 0.4, h * 0.8, h * 0.8),
                 QString::number(place + 1), Font(kSans, h * 0.56, QFont::Black), m[1].darker(170));
    QRectF textBox(h * 0.98, 0, w - h * 0.98 - h * 0.22, h);
    const QFont font = FittingFont(kSans, words[static_cast<std::size_t>(place)],
                                   QSizeF(textBox.width(), h * 0.6), h * 0.5);
    CenteredText(p, textBox, words[static_cast<std::size_t>(place)], font, QColor(0xff, 0xf4, 0xc8),
                 QColor(0x60, 0x0a, 0x10), 1.6);
    return image;
}

// ---------------------------------------------------------------- labels

const std::array<QString, 10> kBottomBarLabels{
    QStringLiteral("发送"), QStringLiteral("聊天"), QStringLiteral("开始"), QStringLiteral("继续"),
    QStringLiteral("设置"), QStringLiteral("隐藏"), QStringLiteral("战绩"), QStringLiteral("历史"),
    QStringLiteral("规则"), QStringLiteral("退出")};

const std::array<QString, 12> kDeclarationLabels{
    QStringLiteral("宣"),     QStringLiteral("摊"),     QStringLiteral("报"),
    QStringLiteral("找朋友"), QStringLiteral("吃补助"), QStringLiteral("不说话"),
    QStringLiteral("跟亮"),   QStringLiteral("揣"),     QStringLiteral("反揣"),
    QStringLiteral("跟"),     QStringLiteral("舍"),     QStringLiteral("摊报")};

const std::array<QString, 13> kBubbleWords{
    QStringLiteral("宣"),   QStringLiteral("摊"),     QStringLiteral("报"),
    QStringLiteral("亮"),   QStringLiteral("吃补助"), QStringLiteral("不说话"),
    QStringLiteral("跟亮"), QStringLiteral("揣"),     QStringLiteral("反揣"),
    QStringLiteral("跟揣"), QStringLiteral("宣舍"),   QStringLiteral("摊舍"),
    QStringLiteral("摊报")};

State StateOfPair(int offset) {
    return offset % 2 == 0 ? State::Normal : State::Hover;
}

QImage BottomBarButton(int entry, int w, int h) {
    const int k = entry / 2;
    const Theme& theme = k == 0 ? kJade : k == 9 ? kRuby : k == 2 || k == 3 ? kSky : kWood;
    return ButtonPicture(w, h, kBottomBarLabels[static_cast<std::size_t>(k)], theme,
                         StateOfPair(entry));
}

QImage DialogButton(int i, int w, int h) {
    switch (i) {
        case 0:
        case 1:
            return ButtonPicture(w, h, QStringLiteral("确定"), kSky, StateOfPair(i));
        case 2:
        case 3:
            return ButtonPicture(w, h, QStringLiteral("取消"), kSlate, StateOfPair(i));
        case 4:
            return ButtonPicture(w, h, QStringLiteral("关"), kSlate, State::Normal);
        case 5:
            return ButtonPicture(w, h, QStringLiteral("开"), kJade, State::Normal);
        case 6:
            return ButtonPicture(w, h, QStringLiteral("蓝色桌面"), kSky, State::Normal);
        default:
            return ButtonPicture(w, h, QStringLiteral("绿色桌面"), kJade, State::Normal);
    }
}

QImage OperationButton(int i, int w, int h) {
    if (i < 9) {
        static const std::array<QString, 3> labels{QStringLiteral("出牌"), QStringLiteral("提示"),
                                                   QStringLiteral("不出")};
        static const std::array<const Theme*, 3> themes{&kWood, &kSky, &kRuby};
        const State state = i % 3 == 0   ? State::Normal
                            : i % 3 == 1 ? State::Hover
                                         : State::Disabled;
        return ButtonPicture(w, h, labels[static_cast<std::size_t>(i / 3)],
                             *themes[static_cast<std::size_t>(i / 3)], state);
    }
    static const std::array<QString, 3> labels{QStringLiteral("排序"), QStringLiteral("上一轮"),
                                               QStringLiteral("重选")};
    return ButtonPicture(w, h, labels[static_cast<std::size_t>((i - 9) / 2)], kPlum,
                         StateOfPair(i - 9));
}

QImage DeclarationButton(int i, int w, int h) {
    const int kind = i / 2;
    const Theme& theme = kind == 5 ? kSlate : kind == 10 ? kPlum : kRuby;
    return ButtonPicture(w, h, kDeclarationLabels[static_cast<std::size_t>(kind)], theme,
                         StateOfPair(i));
}

QColor BubbleInk(int word) {
    // Strong declarations in red, quiet ones in blue, give-ups in purple.
    if (word == 5)
        return QColor(0x2a, 0x5a, 0xa8);
    if (word == 10 || word == 11)
        return QColor(0x6a, 0x2a, 0xa8);
    return QColor(0xc0, 0x16, 0x2a);
}

}  // namespace

QImage DrawResourcePicture(int id, int w, int h) {
    // Card faces, full size: id = 16 * suit + rank.
    if (id >= 3 && id <= 63 && id % 16 >= 3 && id % 16 <= 15)
        return CardFace(id / 16, id % 16, w, h);
    if (id == 16 || id == 17)
        return Joker(id == 17, w, h);
    if (id == 18)
        return SingleBack(w, h);
    if (id >= 130 && id <= 135)
        return Fan(id - 129, w, h, kBackRed, 14);
    if (id >= 150 && id <= 169)
        return BottomBarButton(id - 150, w, h);
    if (id >= 170 && id <= 177)
        return DialogButton(id - 170, w, h);
    if (id >= 178 && id <= 192)
        return OperationButton(id - 178, w, h);
    if (id == 232)
        return Bubble(w, h, QStringLiteral("过"), Tail::UpLeft, QColor(0x2a, 0x5a, 0xa8));
    if (id == 235)
        return Bubble(w, h, QStringLiteral("过"), Tail::Up, QColor(0x2a, 0x5a, 0xa8));
    if (id == 238)
        return Bubble(w, h, QStringLiteral("过"), Tail::UpRight, QColor(0x2a, 0x5a, 0xa8));
    if (id >= 240 && id <= 259)
        return Avatar(id - 240, w, h);
    if (id >= 260 && id <= 279)
        return Fan(id - 259, w, h, kBackBlue, 9);
    if (id >= 280 && id <= 282) {
        static const std::array<std::array<QColor, 2>, 3> colours{{
            {QColor(0x8a, 0xe0, 0x6a), QColor(0x2a, 0x8a, 0x2a)},
            {QColor(0xff, 0xd8, 0x6a), QColor(0xc8, 0x7a, 0x0a)},
            {QColor(0x8a, 0xc8, 0xff), QColor(0x2a, 0x6a, 0xc0)},
        }};
        const auto& c = colours[static_cast<std::size_t>(id - 280)];
        return Tag(w, h, QStringLiteral("准备"), c[0], c[1], Qt::white, true);
    }
    if (id >= 283 && id <= 300)
        return BottomBarButton(id - 281, w, h);
    if (id >= 301 && id <= 352) {
        const int suit = (id - 301) / 13;
        const int k = (id - 301) % 13;  // 0 ace, 1 two, 2.. three to king
        const int rank = k == 0 ? 14 : k == 1 ? 15 : k + 1;
        return CardFace(suit, rank, w, h);
    }
    if (id == 353 || id == 354)
        return Joker(id == 354, w, h);
    if (id >= 360 && id <= 362)
        return PlaceBadge(id - 360, w, h);
    if (id >= 430 && id <= 453)
        return DeclarationButton(id - 430, w, h);
    if (id >= 470 && id <= 508) {
        const int word = (id - 470) / 3;
        static const std::array<Tail, 3> tails{Tail::DownLeft, Tail::UpLeft, Tail::UpRight};
        return Bubble(w, h, kBubbleWords[static_cast<std::size_t>(word)],
                      tails[static_cast<std::size_t>((id - 470) % 3)], BubbleInk(word));
    }
    if (id >= 516 && id <= 519) {
        const QString label = id % 2 == 0 ? QStringLiteral("常用短语") : QStringLiteral("我的短语");
        return ButtonPicture(w, h, label, kSky, id >= 518 ? State::Hover : State::Normal, 4);
    }
    if (id == 600 || id == 601)
        return ButtonPicture(w, h, QStringLiteral("仓库"), kPlum, StateOfPair(id - 600));
    throw std::runtime_error("no artwork for picture " + std::to_string(id));
}

// ---------------------------------------------------------------- window bitmaps

namespace {

// A felt table: a lit centre fading to a darker edge, a faint inlaid ring and
// the name of the game pressed into the cloth.
QImage Felt(int w, int h, QColor light, QColor dark) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Smooth(p);
    QRadialGradient g(w / 2.0, h * 0.45, std::hypot(w, h) * 0.55);
    g.setColorAt(0, light);
    g.setColorAt(0.6, Mix(light, dark, 0.55));
    g.setColorAt(1, dark);
    p.fillRect(image.rect(), g);
    const QRectF ring(w * 0.16, h * 0.2, w * 0.68, h * 0.56);
    p.setPen(QPen(QColor(255, 255, 255, 26), std::max(2.0, w / 300.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
    p.setPen(QPen(QColor(0, 0, 0, 30), std::max(1.0, w / 500.0)));
    p.drawRoundedRect(ring.adjusted(8, 8, -8, -8), ring.height() / 2 - 8, ring.height() / 2 - 8);
    CenteredText(p, QRectF(0, h * 0.44, w, h * 0.12), QStringLiteral("VANTRY"),
                 Font(kSerif, h * 0.075, QFont::Bold), QColor(0, 0, 0, 22));
    return image;
}

QImage Bar(int w, int h, bool top) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top ? QColor(0x4a, 0x2c, 0x16) : QColor(0x3a, 0x22, 0x12));
    g.setColorAt(0.5, QColor(0x5e, 0x38, 0x1c));
    g.setColorAt(1, top ? QColor(0x2e, 0x1a, 0x0c) : QColor(0x4a, 0x2c, 0x16));
    p.fillRect(image.rect(), g);
    // Wood grain: long soft lines.
    p.setPen(QPen(QColor(0, 0, 0, 28), 1));
    for (int y = 6; y < h; y += 9)
        p.drawLine(QPointF(0, y), QPointF(w, y + ((y / 9) % 2 == 0 ? 2 : -2)));
    // A gold rule on the edge that meets the table.
    const double edge = top ? h - 3 : 2;
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x4a), 2));
    p.drawLine(QPointF(0, edge), QPointF(w, edge));
    p.setPen(QPen(QColor(0x20, 0x10, 0x04), 1));
    p.drawLine(QPointF(0, top ? h - 1 : 0.5), QPointF(w, top ? h - 1 : 0.5));
    return image;
}

QImage Clock(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x4a, 0x4e, 0x5a));
    g.setColorAt(1, QColor(0x1e, 0x20, 0x28));
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x4a), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, h / 2.0, h / 2.0);
    // Alarm clock on the left; the digits are drawn by the label at x 48.
    const QPointF c(h * 0.55 + 2, h / 2.0 + 1);
    const double rad = h * 0.32;
    p.setPen(QPen(QColor(0x30, 0x10, 0x10), 1));
    p.setBrush(QColor(0xe0, 0x3a, 0x3a));
    p.drawEllipse(QPointF(c.x() - rad * 0.75, c.y() - rad * 0.85), rad * 0.38, rad * 0.38);
    p.drawEllipse(QPointF(c.x() + rad * 0.75, c.y() - rad * 0.85), rad * 0.38, rad * 0.38);
    p.drawEllipse(c, rad, rad);
    p.setBrush(QColor(0xff, 0xfb, 0xee));
    p.drawEllipse(c, rad * 0.78, rad * 0.78);
    p.setPen(QPen(QColor(0x20, 0x20, 0x28), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x(), c.y() - rad * 0.55));
    p.drawLine(c, QPointF(c.x() + rad * 0.42, c.y() + rad * 0.1));
    // A recessed window for the seconds.
    QRectF digits(46, 5, 28, h - 10);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(QColor(0x0c, 0x0e, 0x12));
    p.drawRoundedRect(digits, 5, 5);
    return image;
}

// The frame pieces of the main window, laid out as the frame drawing reads
// them: corners and edges of an 8 pixel border under a 20 pixel title strip.
QImage Skin(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient side(0, 0, 8, 0);
    side.setColorAt(0, QColor(0x2a, 0x18, 0x0a));
    side.setColorAt(0.4, QColor(0x6a, 0x40, 0x20));
    side.setColorAt(1, QColor(0x3a, 0x22, 0x10));
    p.fillRect(QRect(0, 0, 8, h), side);
    QLinearGradient rightSide(w - 8, 0, w, 0);
    rightSide.setColorAt(0, QColor(0x3a, 0x22, 0x10));
    rightSide.setColorAt(0.6, QColor(0x6a, 0x40, 0x20));
    rightSide.setColorAt(1, QColor(0x2a, 0x18, 0x0a));
    p.fillRect(QRect(w - 8, 0, 8, h), rightSide);
    p.fillRect(QRect(8, 0, w - 16, h), QColor(0x4a, 0x2c, 0x16));
    QLinearGradient title(0, 0, 0, 20);
    title.setColorAt(0, QColor(0x8a, 0x58, 0x2c));
    title.setColorAt(0.5, QColor(0x5e, 0x38, 0x1c));
    title.setColorAt(1, QColor(0x3a, 0x22, 0x10));
    p.fillRect(QRect(0, 0, w, 20), title);
    QLinearGradient bottom(0, h - 8, 0, h);
    bottom.setColorAt(0, QColor(0x5e, 0x38, 0x1c));
    bottom.setColorAt(1, QColor(0x24, 0x14, 0x08));
    p.fillRect(QRect(0, h - 8, w, 8), bottom);
    // Gold line inside the border.
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x4a), 1));
    p.drawLine(QPointF(7.5, 19.5), QPointF(7.5, h - 7.5));
    p.drawLine(QPointF(w - 7.5, 19.5), QPointF(w - 7.5, h - 7.5));
    p.drawLine(QPointF(7.5, 19.5), QPointF(w - 7.5, 19.5));
    p.drawLine(QPointF(7.5, h - 7.5), QPointF(w - 7.5, h - 7.5));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));
    return image;
}

QImage TitleButton(bool close, int pressed, int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const Theme& theme = close ? kRuby : kWood;
    Button(p, QRectF(0, 0, w, h), QString(), theme, pressed == 1 ? State::Hover : State::Normal, 4);
    if (pressed == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    }
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(w / 2.0, h / 2.0 + (pressed == 2 ? 1 : 0));
    if (close) {
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    } else {
        p.drawLine(c + QPointF(-5, 3), c + QPointF(5, 3));
    }
    return image;
}

QImage Panel(int w, int h, QColor top, QColor bottom, double radius, QColor border) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    QRectF r(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), std::max(0.0, radius - 2),
                      std::max(0.0, radius - 2));
    return image;
}

// A dialog: a dark panel with a gold border and a title strip.
QImage Dialog(int w, int h, const QString& title) {
    QImage image = Panel(w, h, QColor(0x2e, 0x4a, 0x6e), QColor(0x16, 0x24, 0x3a), 10,
                         QColor(0xe8, 0xc0, 0x4a));
    QPainter p(&image);
    Smooth(p);
    if (!title.isEmpty()) {
        QRectF strip(4, 4, w - 8, 22);
        QLinearGradient g(strip.topLeft(), strip.bottomLeft());
        g.setColorAt(0, QColor(0x5a, 0x7e, 0xaa));
        g.setColorAt(1, QColor(0x2a, 0x44, 0x66));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(strip, 7, 7);
        CenteredText(p, strip, title, Font(kSans, 13, QFont::Bold), QColor(0xff, 0xf0, 0xc0),
                     QColor(0x10, 0x1c, 0x2c), 2);
    }
    return image;
}

QImage Marker(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    const QPointF c(w / 2.0, h / 2.0);
    QRadialGradient g(c.x() - w * 0.12, c.y() - h * 0.12, w * 0.6);
    g.setColorAt(0, QColor(0xff, 0xe8, 0x8a));
    g.setColorAt(1, QColor(0xc8, 0x86, 0x0a));
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x04), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, w / 2.0 - 1.5, h / 2.0 - 1.5);
    p.setPen(QPen(QColor(0xff, 0xf6, 0xd0), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, w / 2.0 - 4.5, h / 2.0 - 4.5);
    CenteredText(p, QRectF(0, 0, w, h), QStringLiteral("庄"), Font(kSans, h * 0.5, QFont::Black),
                 QColor(0xa0, 0x16, 0x16), QColor(0xff, 0xf6, 0xd0), 2);
    return image;
}

QImage NoSpeak(int w, int h) {
    QImage image = Bubble(w, h, QString(), Tail::UpLeft, Qt::black);
    QPainter p(&image);
    Smooth(p);
    const QRectF body(2, 2 + std::min(w, h) * 0.2, w - 6, h - 6 - std::min(w, h) * 0.2);
    const QFont font = Font(kSans, 15, QFont::Bold);
    CenteredText(p, QRectF(body.left(), body.top(), body.width(), body.height() / 2 + 2),
                 QStringLiteral("无人"), font, QColor(0x2a, 0x5a, 0xa8));
    CenteredText(p, QRectF(body.left(), body.center().y() - 2, body.width(), body.height() / 2),
                 QStringLiteral("叫牌"), font, QColor(0x2a, 0x5a, 0xa8));
    return image;
}

QImage Wealth(int w, int h) {
    QImage image = Blank(w, h);
    QPainter p(&image);
    Smooth(p);
    // A small stack of gold coins.
    for (int i = 0; i < 4; ++i) {
        const QRectF coin(w * 0.14, h * 0.62 - i * h * 0.13, w * 0.72, h * 0.26);
        QLinearGradient g(coin.topLeft(), coin.bottomLeft());
        g.setColorAt(0, QColor(0xff, 0xe2, 0x6a));
        g.setColorAt(1, QColor(0xc0, 0x80, 0x08));
        p.setPen(QPen(QColor(0x7a, 0x4a, 0x04), 1));
        p.setBrush(g);
        p.drawEllipse(coin);
    }
    const QRectF face(w * 0.14, h * 0.23, w * 0.72, h * 0.26);
    CenteredText(p, face, QStringLiteral("¥"), Font(kSans, h * 0.22, QFont::Black),
                 QColor(0x8a, 0x50, 0x04));
    return image;
}

QImage DeclarePanel(int w, int h) {
    QImage image = Panel(w, h, QColor(0xfb, 0xf1, 0xd4), QColor(0xe8, 0xd0, 0x98), 10,
                         QColor(0x8a, 0x5a, 0x10));
    QPainter p(&image);
    Smooth(p);
    QRectF strip(6, 6, w - 12, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0x1c, 0x24));
    p.drawRoundedRect(strip, 6, 6);
    CenteredText(p, strip, QStringLiteral("叫牌"), Font(kSans, 13, QFont::Bold),
                 QColor(0xff, 0xf0, 0xc0));
    return image;
}

}  // namespace

QImage DrawWindowBitmap(std::string_view name, int w, int h) {
    if (name == "table" || name == "table-small")
        return Felt(w, h, QColor(0x35, 0x9a, 0x58), QColor(0x0c, 0x3e, 0x20));
    if (name == "table-green")
        return Felt(w, h, QColor(0x4a, 0xa8, 0x6a), QColor(0x14, 0x4e, 0x30));
    if (name == "table-blue")
        return Felt(w, h, QColor(0x3a, 0x7a, 0xc0), QColor(0x0c, 0x24, 0x4e));
    if (name == "top-bar")
        return Bar(w, h, true);
    if (name == "bottom-bar")
        return Bar(w, h, false);
    if (name == "clock")
        return Clock(w, h);
    if (name == "skin")
        return Skin(w, h);
    if (name.starts_with("close-") || name.starts_with("minimize-")) {
        const int state = name.ends_with("normal") ? 0 : name.ends_with("hover") ? 1 : 2;
        return TitleButton(name.starts_with("close-"), state, w, h);
    }
    if (name == "marker")
        return Marker(w, h);
    if (name == "room-panel" || name == "shuffle")
        return Panel(w, h, QColor(0x20, 0x20, 0x28, 210), QColor(0x08, 0x08, 0x0c, 210), h / 2.0,
                     QColor(0xe8, 0xc0, 0x4a));
    if (name == "declare-panel")
        return DeclarePanel(w, h);
    if (name == "no-speak")
        return NoSpeak(w, h);
    if (name == "wealth")
        return Wealth(w, h);
    if (name == "dialog-notice")
        return Panel(w, h, QColor(0x8a, 0x1c, 0x24), QColor(0x4a, 0x08, 0x10), 8,
                     QColor(0xe8, 0xc0, 0x4a));
    if (name == "dialog-exit" || name == "dialog-other-exit")
        return Dialog(w, h, QStringLiteral("提示"));
    if (name == "dialog-sound")
        return Dialog(w, h, QStringLiteral("声音设置"));
    if (name == "dialog-score")
        return Dialog(w, h, QStringLiteral("本局结算"));
    if (name == "dialog-hero")
        return Dialog(w, h, QStringLiteral("历史战绩"));
    if (name == "dialog-reply")
        return Dialog(w, h, QStringLiteral("快捷短语"));
    if (name == "dialog-talk")
        return Dialog(w, h, QStringLiteral("聊天"));
    if (name == "dialog-info")
        return Dialog(w, h, QStringLiteral("玩家信息"));
    throw std::runtime_error("no artwork for bitmap " + std::string(name));
}

}  // namespace vantry::artgen
