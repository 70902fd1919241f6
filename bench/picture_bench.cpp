// Changing a card picture: through the embedded resources (decoded once,
// then reused) against writing the GIF to a file beside the program, loading
// it and deleting it again for every change. Prints both times and the ratio.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "pictures.h"
#include "table/pictures.h"
#include "ui/control.h"

namespace {

constexpr int kChanges = 10000;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The 52 faces of the full-size card table, cycled through.
std::vector<int> CardIds() {
    vantry::table::PictureTables tables;
    vantry::table::BuildPictureTables(tables, 1.0f);
    std::vector<int> ids;
    for (int code = 0; code < 64; ++code)
        if (tables.card[static_cast<std::size_t>(code)] != 0 && code % 16 >= 3)
            ids.push_back(tables.card[static_cast<std::size_t>(code)]);
    return ids;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::vector<int> ids = CardIds();

    // Resource path: the core sets the id, the renderer asks the cache.
    vantry::qt::PictureCache cache;
    vantry::ui::Control card;
    long checksum = 0;
    // Both paths use the same GIF decoder; load it before timing either.
    checksum += vantry::qt::DecodeResourcePicture(240).width();
    // Each face is decoded on its first use; time that apart from the changes.
    const auto startDecode = Clock::now();
    for (int id : ids) {
        vantry::table::SetResourcePicture(card, id);
        checksum += cache.Get(card.picture).width();
    }
    const double decode = Seconds(Clock::now() - startDecode);
    const auto startResource = Clock::now();
    for (int i = 0; i < kChanges; ++i) {
        vantry::table::SetResourcePicture(card, ids[static_cast<std::size_t>(i) % ids.size()]);
        checksum += cache.Get(card.picture).width();
    }
    const double resource = Seconds(Clock::now() - startResource);

    // Temporary-file path: write the bytes beside the program, load the file,
    // delete it.
    QTemporaryDir folder(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/pictures-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    QPixmap shown;
    const auto startFiles = Clock::now();
    for (int i = 0; i < kChanges; ++i) {
        const int id = ids[static_cast<std::size_t>(i) % ids.size()];
        const QString path = QDir(folder.path()).filePath(QStringLiteral("%1.GIF").arg(id));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(vantry::qt::ResourcePictureBytes(id)) < 0)
            return 1;
        file.close();
        // QPixmap::load would answer from its own cache keyed by file name
        // and time; decode the file every time as the design does.
        shown = QPixmap::fromImage(QImage(path));
        QFile::remove(path);
        checksum += shown.width();
    }
    const double files = Seconds(Clock::now() - startFiles);

    std::printf("%d card picture changes\n", kChanges);
    std::printf("  first use of the %zu faces: %.3f ms\n", ids.size(), decode * 1e3);
    std::printf("  resources, decoded once: %10.3f ms (%.2f us per change)\n", resource * 1e3,
                resource * 1e6 / kChanges);
    std::printf("  write, load, delete:     %10.3f ms (%.2f us per change)\n", files * 1e3,
                files * 1e6 / kChanges);
    std::printf("  ratio: %.0fx faster; %.0fx counting the first use (checksum %ld)\n",
                files / resource, files / (resource + decode), checksum);
    return 0;
}
