// Writes the program's pictures and their resource list into a resources folder.
//
// Usage: orbicola-artwork <resources-dir> [--sheet <contact-sheet.png>]
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

bool save(const QImage& img, const QDir& root, const QString& relative, QStringList& listed)
{
    const QString path = root.filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    listed << relative;
    return true;
}

bool writeResourceList(const QDir& root, const QStringList& files)
{
    QFile file(root.filePath(QStringLiteral("orbicola.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& f : files)
        out << "    <file>" << f << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

// Every glyph at both sizes, the small one also magnified, on a pale tool-bar grey.
QImage contactSheet(const std::vector<artwork::Glyph>& glyphs)
{
    constexpr int kColumns = 8;
    constexpr int kCellW = 150, kCellH = 72;
    const int rows = static_cast<int>((glyphs.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * kCellW, rows * kCellH, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const int x = static_cast<int>(i % kColumns) * kCellW;
        const int y = static_cast<int>(i / kColumns) * kCellH;
        const QImage small = artwork::renderGlyph(glyphs[i], 1);
        const QImage large = artwork::renderGlyph(glyphs[i], 2);
        p.setPen(QColor(90, 90, 90));
        p.drawText(x + 4, y + 14, glyphs[i].name);
        p.drawImage(x + 6, y + 30, small);
        p.drawImage(QRect(x + 30, y + 8, 48, 48), small);
        p.drawImage(x + 90, y + 16, large);
        p.setPen(QColor(210, 210, 210));
        p.drawRect(x, y, kCellW - 1, kCellH - 1);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir;
    QString sheetPath;
    bool badArguments = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sheet") && i + 1 < args.size())
            sheetPath = args[++i];
        else if (outDir.isEmpty())
            outDir = args[i];
        else
            badArguments = true;
    }
    if (outDir.isEmpty() || badArguments) {
        std::fprintf(stderr, "usage: orbicola-artwork <resources-dir> [--sheet <file.png>]\n");
        return 2;
    }
    const QDir root(outDir);
    QStringList listed;
    bool ok = true;

    const std::vector<artwork::Glyph> glyphs = artwork::imageListGlyphs();
    for (const artwork::Glyph& g : glyphs) {
        ok &= save(artwork::renderGlyph(g, 1), root, "glyphs/" + g.name + ".png", listed);
        ok &= save(artwork::renderGlyph(g, 2), root, "glyphs/" + g.name + "@2x.png", listed);
    }
    const std::vector<artwork::Glyph> buttons = artwork::buttonGlyphs();
    for (const artwork::Glyph& g : buttons) {
        ok &= save(artwork::renderGlyph(g, 1), root, "glyphs/buttons/" + g.name + ".png", listed);
        ok &= save(artwork::renderGlyph(g, 2), root, "glyphs/buttons/" + g.name + "@2x.png", listed);
    }
    ok &= save(artwork::logoPicture(), root, QStringLiteral("pictures/logo.png"), listed);
    ok &= save(artwork::earthPicture(), root, QStringLiteral("pictures/earth.png"), listed);
    ok &= save(artwork::iconPicture(), root, QStringLiteral("pictures/orbicola.png"), listed);

    if (ok && !writeResourceList(root, listed)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(root.filePath("orbicola.qrc")));
        ok = false;
    }

    if (!sheetPath.isEmpty()) {
        std::vector<artwork::Glyph> all = glyphs;
        all.insert(all.end(), buttons.begin(), buttons.end());
        if (!contactSheet(all).save(sheetPath, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
