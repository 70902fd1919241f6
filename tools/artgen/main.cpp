// Draws the client's artwork and writes it under the assets folder:
//   pictures/<id>.gif   every resource picture, GIF89a with a transparent colour
//   bitmaps/<name>.png  the bitmaps stored with the windows
//   pictures.qrc        the list the client embeds
// With --sheets it instead lays the written pictures out on contact sheets,
// one PNG per family, for looking at them.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <string>
#include <vector>

#include "art.h"
#include "gif_writer.h"
#include "table/picture_catalog.h"

namespace {

using vantry::table::ResourcePictureIds;
using vantry::table::ResourcePictureSize;
using vantry::table::WindowBitmaps;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

int Generate(const QString& assets) {
    QDir root(assets);
    if (!root.mkpath(QStringLiteral("pictures")) || !root.mkpath(QStringLiteral("bitmaps"))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(assets));
        return 1;
    }
    QString qrc;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/GIF\">\n";
    for (int id : ResourcePictureIds()) {
        const auto size = *ResourcePictureSize(id);
        const QImage art = vantry::artgen::DrawResourcePicture(id, size.width, size.height);
        const auto gif = vantry::artgen::EncodeGif(art, vantry::artgen::kFeltMatte);
        const QString name = QStringLiteral("pictures/%1.gif").arg(id);
        if (!WriteFile(root.filePath(name), QByteArray(reinterpret_cast<const char*>(gif.data()),
                                                       static_cast<qsizetype>(gif.size())))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        out << "  <file alias=\"" << id << "\">" << name << "</file>\n";
    }
    out << "</qresource>\n<qresource prefix=\"/bitmaps\">\n";
    for (const auto& bitmap : WindowBitmaps()) {
        const QString key =
            QString::fromUtf8(bitmap.name.data(), static_cast<qsizetype>(bitmap.name.size()));
        const QImage art =
            vantry::artgen::DrawWindowBitmap(bitmap.name, bitmap.width, bitmap.height);
        const QString name = QStringLiteral("bitmaps/%1.png").arg(key);
        if (!art.save(root.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        out << "  <file alias=\"" << key << "\">" << name << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    if (!WriteFile(root.filePath(QStringLiteral("pictures.qrc")), qrc.toUtf8())) {
        std::fprintf(stderr, "cannot write pictures.qrc\n");
        return 1;
    }
    std::printf("wrote %zu pictures and %zu bitmaps to %s\n", ResourcePictureIds().size(),
                WindowBitmaps().size(), qPrintable(assets));
    return 0;
}

struct Tile {
    QImage image;
    QString label;
};

// Lays tiles out in rows on felt, each with its label underneath.
QImage Sheet(const std::vector<std::vector<Tile>>& rows) {
    const int gap = 12;
    const int labelHeight = 16;
    int width = 0;
    int height = gap;
    for (const auto& row : rows) {
        int w = gap;
        int h = 0;
        for (const auto& tile : row) {
            w += tile.image.width() + gap;
            h = std::max(h, tile.image.height());
        }
        width = std::max(width, w);
        height += h + labelHeight + gap;
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(vantry::artgen::kFeltMatte));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(0xe8, 0xf0, 0xe8));
    int y = gap;
    for (const auto& row : rows) {
        int x = gap;
        int h = 0;
        for (const auto& tile : row) {
            p.drawImage(x, y, tile.image);
            p.drawText(QRect(x, y + tile.image.height() + 1, std::max(tile.image.width(), 30),
                             labelHeight),
                       Qt::AlignLeft | Qt::AlignTop, tile.label);
            x += tile.image.width() + gap;
            h = std::max(h, tile.image.height());
        }
        y += h + labelHeight + gap;
    }
    return sheet;
}

int Sheets(const QString& assets, const QString& outDir) {
    QDir root(assets);
    QDir().mkpath(outDir);
    auto gif = [&](int id) {
        QImage image(root.filePath(QStringLiteral("pictures/%1.gif").arg(id)));
        if (image.isNull())
            std::fprintf(stderr, "picture %d is missing or unreadable\n", id);
        return Tile{image, QString::number(id)};
    };
    auto ids = [&](std::initializer_list<std::pair<int, int>> ranges) {
        std::vector<Tile> row;
        for (const auto& [first, last] : ranges)
            for (int id = first; id <= last; ++id)
                row.push_back(gif(id));
        return row;
    };
    struct Family {
        const char* name;
        std::vector<std::vector<Tile>> rows;
    };
    std::vector<Family> families;
    families.push_back({"cards",
                        {ids({{3, 15}}), ids({{19, 31}}), ids({{35, 47}}), ids({{51, 63}}),
                         ids({{16, 18}, {353, 354}}), ids({{301, 313}}), ids({{314, 326}}),
                         ids({{327, 339}}), ids({{340, 352}}), ids({{260, 267}}), ids({{268, 273}}),
                         ids({{274, 279}}), ids({{130, 135}})}});
    families.push_back(
        {"buttons",
         {ids({{150, 169}}), ids({{283, 300}}), ids({{170, 177}, {600, 601}}), ids({{178, 192}}),
          ids({{430, 441}}), ids({{442, 453}}), ids({{280, 282}, {360, 362}, {516, 519}})}});
    families.push_back({"bubbles",
                        {ids({{470, 478}}), ids({{479, 487}}), ids({{488, 496}}), ids({{497, 505}}),
                         ids({{506, 508}, {232, 232}, {235, 235}, {238, 238}})}});
    families.push_back({"avatars", {ids({{240, 249}}), ids({{250, 259}})}});

    std::vector<std::vector<Tile>> windowRows(1);
    int rowWidth = 0;
    for (const auto& bitmap : WindowBitmaps()) {
        const QString key =
            QString::fromUtf8(bitmap.name.data(), static_cast<qsizetype>(bitmap.name.size()));
        QImage image(root.filePath(QStringLiteral("bitmaps/%1.png").arg(key)));
        if (image.width() > 400)
            image = image.scaledToWidth(400, Qt::SmoothTransformation);
        if (rowWidth + image.width() > 1300) {
            windowRows.emplace_back();
            rowWidth = 0;
        }
        rowWidth += image.width() + 12;
        windowRows.back().push_back({image, key});
    }
    families.push_back({"windows", windowRows});

    for (const auto& family : families) {
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.png").arg(family.name));
        if (!Sheet(family.rows).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && !args[1].startsWith(QLatin1String("-")))
        return Generate(args[1]);
    if (args.size() == 4 && args[1] == QLatin1String("--sheets"))
        return Sheets(args[2], args[3]);
    std::fprintf(stderr,
                 "usage: vantry-artgen ASSETS_DIR\n"
                 "       vantry-artgen --sheets ASSETS_DIR OUT_DIR\n");
    return 2;
}
