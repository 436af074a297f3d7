#include "core/settings/localechoice.h"

#include "core/base/codepage.h"

namespace q7 {

int codePageItemForLocale(uint32_t localeId)
{
    switch (cjkCodePage(localeId)) {
    case 950: return 1;
    case 936: return 2;
    case 932: return 3;
    case 949: return 4;
    default: return 0;
    }
}

}  // namespace q7
