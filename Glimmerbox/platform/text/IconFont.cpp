#include "platform/text/IconFont.h"

#include "platform/Logging.h"

#include <QFontDatabase>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QResource>

namespace {

// Codepoints from the font package's own codepoint list (Material Icons names in the comments).
const QHash<QString, char16_t>& glyphTable() {
    static const QHash<QString, char16_t> table{
        {QStringLiteral("sportscourt.fill"), 0xeb90},              // stadium
        {QStringLiteral("sportscourt"), 0xeb90},                   // stadium
        {QStringLiteral("football.fill"), 0xea29},                 // sports_football
        {QStringLiteral("basketball.fill"), 0xea26},               // sports_basketball
        {QStringLiteral("baseball.fill"), 0xea51},                 // sports_baseball
        {QStringLiteral("hockey.puck.fill"), 0xea2b},              // sports_hockey
        {QStringLiteral("soccerball"), 0xea2f},                    // sports_soccer
        {QStringLiteral("car.fill"), 0xe531},                      // directions_car
        {QStringLiteral("figure.golf"), 0xea2a},                   // sports_golf
        {QStringLiteral("tennisball.fill"), 0xea32},               // sports_tennis
        {QStringLiteral("figure.martial.arts"), 0xea2c},           // sports_mma
        {QStringLiteral("circle.circle.fill"), 0xe837},            // radio_button_checked
        {QStringLiteral("circle.fill"), 0xef4a},                   // circle
        {QStringLiteral("pin.fill"), 0xf10d},                      // push_pin
        {QStringLiteral("pin"), 0xf10d},                           // push_pin
        {QStringLiteral("pin.slash"), 0xe0c7},                     // location_off
        {QStringLiteral("pin.slash.fill"), 0xe0c7},                // location_off
        {QStringLiteral("wifi.slash"), 0xe648},                    // wifi_off
        {QStringLiteral("star"), 0xe83a},                          // star_border
        {QStringLiteral("star.fill"), 0xe838},                     // star
        {QStringLiteral("bell"), 0xe7f5},                          // notifications_none
        {QStringLiteral("bell.fill"), 0xe7f4},                     // notifications
        {QStringLiteral("checkmark.circle.fill"), 0xe86c},         // check_circle
        {QStringLiteral("gearshape"), 0xe8b8},                     // settings
        {QStringLiteral("paintbrush"), 0xe3ae},                    // brush
        {QStringLiteral("calendar"), 0xe935},                      // calendar_today
        {QStringLiteral("wrench.and.screwdriver"), 0xe869},        // build
        {QStringLiteral("arrow.clockwise"), 0xe5d5},               // refresh
        {QStringLiteral("xmark.circle.fill"), 0xe5c9},             // cancel
        {QStringLiteral("arrowtriangle.down.fill"), 0xe5c5},       // arrow_drop_down
        {QStringLiteral("arrowtriangle.right.fill"), 0xe5df},      // arrow_right
        {QStringLiteral("chevron.down"), 0xe5cf},                  // expand_more
        {QStringLiteral("exclamationmark.triangle"), 0xf083},      // warning_amber
        {QStringLiteral("exclamationmark.triangle.fill"), 0xe002}, // warning
        {QStringLiteral("info.circle"), 0xe88f},                   // info_outline
        {QStringLiteral("doc.on.doc"), 0xe14d},                    // content_copy
        {QStringLiteral("pause.circle"), 0xe036},                  // pause_circle_outline
        {QStringLiteral("arrow.turn.down.right"), 0xe5da},         // subdirectory_arrow_right
        {QStringLiteral("command"), 0xeae7},                       // keyboard_command_key
        {QStringLiteral("tv"), 0xe333},                            // tv
        {QStringLiteral("safari"), 0xe87a},                        // explore
        {QStringLiteral("target"), 0xe8e1},                        // track_changes
    };
    return table;
}

// The font as it lies in the binary: read in place instead of copied. Loaded by its resource name, the font
// database and the font engine would each keep a copy of the whole file on the heap.
QByteArray resourceFontData(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

QString loadFamily() {
    // The build copies the font into the resources; the system copy serves binaries built without them.
    int id = QFontDatabase::addApplicationFontFromData(
        resourceFontData(QStringLiteral(":/glimmerbox/fonts/MaterialIcons-Regular.ttf")));
    if (id < 0)
        id = QFontDatabase::addApplicationFont(QStringLiteral(
            "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"));
    if (const QStringList families = QFontDatabase::applicationFontFamilies(id); !families.isEmpty())
        return families.first();
    qCWarning(generalLogger) << "The icon font could not be loaded; symbols will be blank";
    return {};
}

QPixmap blankPixmap(int size, qreal dpr) {
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// "k.circle", "3.circle.fill": the font has no circled letters or digits, so they are drawn: a ring with
// the character inside, or a disc with the character cut out.
std::optional<QPainterPath> letteredCirclePath(const QString& symbolName, int size) {
    if (symbolName.isEmpty())
        return std::nullopt;
    const QChar letter = symbolName.front();
    const QStringView rest = QStringView(symbolName).sliced(1);
    const bool filled = rest == u".circle.fill";
    if ((!filled && rest != u".circle") ||
        !((letter >= u'a' && letter <= u'z') || (letter >= u'0' && letter <= u'9')))
        return std::nullopt;
    const double margin = size / 12.0;
    const QRectF bounds(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath disc;
    disc.addEllipse(bounds);
    QFont font;
    font.setPixelSize(std::max(1, qRound(size * 0.55)));
    font.setBold(true);
    QPainterPath character;
    character.addText(0, 0, font, QString(letter.toUpper()));
    character.translate(bounds.center() - character.boundingRect().center());
    if (filled)
        return disc.subtracted(character);
    QPainterPath hole;
    const double ring = std::max(1.0, size / 12.0);
    hole.addEllipse(bounds.adjusted(ring, ring, -ring, -ring));
    return disc.subtracted(hole).united(character);
}

// The glyph's outline, centred in a square of `size` logical pixels.
std::optional<QPainterPath> glyphPath(const QString& symbolName, int size) {
    const std::optional<QChar> symbol = iconfont::glyph(symbolName);
    if (!symbol)
        return letteredCirclePath(symbolName, size);
    if (iconfont::family().isEmpty())
        return std::nullopt;
    QPainterPath path;
    path.addText(0, 0, iconfont::font(size), QString(*symbol));
    const QRectF bounds = path.boundingRect();
    path.translate(QPointF(size, size) / 2.0 - bounds.center());
    return path;
}

} // namespace

namespace iconfont {

QString family() {
    static const QString loaded = loadFamily();
    return loaded;
}

QFont font(int pixelSize) {
    QFont result(family());
    result.setPixelSize(pixelSize);
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

std::optional<QChar> glyph(const QString& symbolName) {
    const auto found = glyphTable().constFind(symbolName);
    if (found == glyphTable().constEnd())
        return std::nullopt;
    return QChar(*found);
}

bool hasSymbol(const QString& symbolName) {
    return glyph(symbolName).has_value() || letteredCirclePath(symbolName, 16).has_value();
}

QPixmap pixmap(const QString& symbolName, const QColor& color, int size, qreal dpr) {
    // Views ask for the same few symbols at every paint: each is drawn once.
    const QString key = QStringLiteral("glimmerbox-symbol:%1:%2:%3:%4")
                            .arg(symbolName)
                            .arg(color.rgba(), 0, 16)
                            .arg(size)
                            .arg(dpr);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;
    result = blankPixmap(size, dpr);
    if (const std::optional<QPainterPath> path = glyphPath(symbolName, size)) {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(*path, color);
    }
    QPixmapCache::insert(key, result);
    return result;
}

QPixmap outlinedPixmap(const QString& symbolName, const QColor& fill, const QColor& outline, int size,
                       qreal dpr) {
    QPixmap result = blankPixmap(size, dpr);
    // Leave room for the rim inside the square.
    const int rim = std::max(1, size / 12);
    const std::optional<QPainterPath> path = glyphPath(symbolName, size - 2 * rim);
    if (!path)
        return result;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rim, rim);
    painter.strokePath(*path, QPen(outline, 2.0 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(*path, fill);
    return result;
}

} // namespace iconfont
