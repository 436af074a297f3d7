// The catalog lookup q7ctl loads for a catalog language (translate/translatemodule.h): Qt Core's
// translator on one catalog, no application object needed.
#include "translate/translatemodule.h"

#include <QByteArray>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <type_traits>

namespace {

QTranslator& translator()
{
    static QTranslator catalog;
    return catalog;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool q7LoadCatalog(const char* path) noexcept
{
    return translator().load(QString::fromUtf8(path));
}

extern "C" __attribute__((visibility("default"))) size_t
q7Translate(const char* context, const char* text, const char* disambiguation, char* out, size_t size) noexcept
{
    const QByteArray translated = translator().translate(context, text, disambiguation).toUtf8();
    std::copy_n(translated.constData(), std::min(size, size_t(translated.size())), out);
    return size_t(translated.size());
}

// The entry points' types are the ones q7ctl calls them through.
static_assert(std::is_same_v<decltype(&q7LoadCatalog), q7::translation::LoadCatalogFunction>);
static_assert(std::is_same_v<decltype(&q7Translate), q7::translation::TranslateFunction>);
