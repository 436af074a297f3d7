#include "app/localechoice.h"

#include <array>
#include <string>
#include <utility>

namespace q7 {

uint16_t windowsLocaleId(std::string_view posixName)
{
    // Drop ".codeset" and "@modifier": "zh_TW.UTF-8@x" -> "zh_TW".
    const auto cut = posixName.find_first_of(".@");
    const std::string_view name = posixName.substr(0, cut);

    static constexpr std::array<std::pair<std::string_view, uint16_t>, 34> kIds{{
        {"zh_TW", 0x0404}, {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
        {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
        {"en_CA", 0x1009}, {"de_DE", 0x0407}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"fr_FR", 0x040C},
        {"fr_CA", 0x0C0C}, {"fr_BE", 0x080C}, {"it_IT", 0x0410}, {"es_ES", 0x0C0A}, {"es_MX", 0x080A},
        {"nl_NL", 0x0413}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ru_RU", 0x0419}, {"pl_PL", 0x0415},
        {"sv_SE", 0x041D}, {"tr_TR", 0x041F}, {"th_TH", 0x041E}, {"vi_VN", 0x042A}, {"id_ID", 0x0421},
        // Language alone: the country where the language's main code page is at home.
        {"zh", 0x0804}, {"ja", 0x0411}, {"ko", 0x0412}, {"en", 0x0409},
    }};
    for (const auto& [posix, id] : kIds)
        if (posix == name)
            return id;
    const std::string_view language = name.substr(0, name.find('_'));
    for (const auto& [posix, id] : kIds)
        if (posix == language)
            return id;
    return 0x0409;
}

int codePageItemForLocale(uint32_t localeId)
{
    switch (localeId & 0xFFFF) {
    case 0x0404: return 1;            // Chinese (Taiwan): BIG5
    case 0x0804:                      // Chinese (PRC) uses GB2312 just as Singapore does
    case 0x1004: return 2;            // Chinese (Singapore): GB2312
    case 0x0411: return 3;            // Japanese: Shift-JIS
    case 0x0412: return 4;            // Korean
    default: return 0;
    }
}

}  // namespace q7
