// Text rasterised by Qt's font engine for the canvas: aliased glyphs, measured by font metrics.
#include "raster/qt/qt_font.h"

#include "raster/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <map>
#include <tuple>

namespace raster::qt {
namespace {

class QtFontEngine final : public FontEngine {
public:
    int width(std::string_view utf8, const Style& style) override
    {
        return QFontMetrics(fontFor(style)).horizontalAdvance(text(utf8));
    }

    int height(std::string_view, const Style& style) override
    {
        return QFontMetrics(fontFor(style)).height();
    }

    // The text drawn in black on white at its baseline, the box being advance x height; every
    // pixel that is not white is ink.
    Mask render(std::string_view utf8, const Style& style) override
    {
        const QFont& font = fontFor(style);
        const QFontMetrics metrics(font);
        const QString s = text(utf8);
        Mask mask;
        mask.width = metrics.horizontalAdvance(s);
        mask.height = metrics.height();
        if (mask.width <= 0 || mask.height <= 0)
            return mask;
        QImage image(mask.width, mask.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(0, metrics.ascent(), s);
        }
        mask.ink.resize(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
        for (int y = 0; y < mask.height; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < mask.width; ++x)
                mask.ink[static_cast<std::size_t>(y) * mask.width + x] =
                    (row[x] & 0xFFFFFFu) != 0xFFFFFFu ? 1 : 0;
        }
        return mask;
    }

private:
    static QString text(std::string_view utf8)
    {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }

    // One QFont per style, kept: the program uses a handful of styles over and over.
    const QFont& fontFor(const Style& style)
    {
        const auto key = std::make_tuple(style.bold, style.italic, style.height);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
            font.setStyleStrategy(QFont::NoAntialias);
            font.setPixelSize(style.height > 0 ? style.height : 11);
            font.setBold(style.bold);
            font.setItalic(style.italic);
            it = fonts_.emplace(key, font).first;
        }
        return it->second;
    }

    std::map<std::tuple<bool, bool, int>, QFont> fonts_;
};

}  // namespace

void installFontEngine()
{
    static QtFontEngine engine;
    setFontEngine(&engine);
}

}  // namespace raster::qt
