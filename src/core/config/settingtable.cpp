#include "core/config/settingtable.h"

#include "core/base/translatable.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace q7::config {
namespace {

using Items = std::string_view;

// The item texts are the values the player receives: keep their spelling ("Standdy" included).
constexpr Items kNetWorkType[] = {"Off", "Wired", "Wireless"};
constexpr Items kAutomaticIP[] = {"On", "Off", "Enhance"};
constexpr Items kTimeZone[] = {"UTC-12", "UTC-11", "UTC-10", "UTC-9", "UTC-8", "UTC-7", "UTC-6", "UTC-5", "UTC-4",
                               "UTC-3",  "UTC-2",  "UTC-1",  "UTC",   "UTC+1", "UTC+2", "UTC+3", "UTC+4", "UTC+5",
                               "UTC+6",  "UTC+7",  "UTC+8",  "UTC+9", "UTC+10", "UTC+11", "UTC+12"};
// Item 5 ("Others") is what enables the address field beside the list.
constexpr Items kNTPServer[] = {"Off", "pool.ntp.org", "time.google.com", "time.cloudflare.com", "time.nist.gov",
                                "Others"};
constexpr Items kPlayList[] = {"Off", "Single", "Date", "Time", "Date/Time"};
constexpr Items kStorage[] = {"HDD", "USB1", "USB2"};
constexpr Items kDownloadList[] = {"Off", "Background", "Foreground", "Background/Skip", "Foreground/Skip"};
// The last item stands for a scheduled time of day.
constexpr Items kDownloadTime[] = {"Every 5 minutes", "Every 15 minutes", "Every 30 minutes", "Every 60 minutes",
                                   "Schedule"};
constexpr Items kPlayMode[] = {"Standard", "Repeat", "Manual", "Standdy"};
constexpr Items kRemoteCommandPath[] = {"HDD", "PC1", "PC2"};
constexpr Items kOffOn[] = {"Off", "On"};
constexpr Items kScrollingTextColor[] = {"White on Orange", "White on Red",   "White on Blue",
                                         "White on Black",  "Black on White", "Red on Green"};
constexpr Items kHighQualityJPEG[] = {"Quality", "Quick"};
constexpr Items kScreenMode[] = {"Single Zone", "Multi Zone Left", "Multi Zone Right", "Multi Zone Info"};
constexpr Items kSPDIFOut[] = {"Analog/DPCM", "Encoded Digital"};
constexpr Items kSpeakersOut[] = {"2 Channels", "5.1 Channels"};
constexpr Items kTVStandard[] = {"NTSC", "PAL"};
constexpr Items kTVType[] = {"4:3 Letter Box", "4:3 Pan-Scan", "16:9"};
constexpr Items kVideoConnector[] = {"C/S Video", "YPbPr", "VGA", "HDMI"};
constexpr Items kYPbPrStandard[] = {"480p 60Hz", "576p 50Hz", "720p 60Hz", "720p 50Hz", "1080i 60Hz", "1080i 50Hz"};
constexpr Items kVGAStandard[] = {"640x480 60Hz",   "848x480 60Hz",   "800x600 60Hz",   "1024x768 60Hz",
                                  "1280x768 60Hz",  "1280x1024 60Hz", "1360x768 60Hz",  "1920x1200 60Hz"};

constexpr FieldSpec list(std::string_view name, std::span<const std::string_view> items, std::string_view def)
{
    return {name, items, def};
}
constexpr FieldSpec text(std::string_view name, std::string_view def = {}, int limit = 0, Filter filter = Filter::None,
                         int largest = 0)
{
    return {name, {}, def, limit, filter, largest};
}
constexpr FieldSpec address(std::string_view name) { return text(name, "0.0.0.0", 0, Filter::Address); }
constexpr FieldSpec hourOrMinute(std::string_view name, int limit) { return text(name, "00", limit, Filter::Digit); }

constexpr FieldSpec kFields[] = {
    // Network
    list("NetWorkType", kNetWorkType, "Wired"),
    list("AutomaticIP", kAutomaticIP, "On"),
    address("IPAddress"),
    address("IPMask"),
    address("IPGateway"),
    address("IPPrimaryDNS"),
    address("IPSecondaryDNS"),
    text("WirelessSSID"),
    text("WirelessKEY", {}, 63),  // the bit length choice narrows this to 10 or 26
    address("PC1Address"),
    text("PC1Dir"),
    address("PC2Address"),
    text("PC2Dir"),
    // Misc1
    list("TimeZone", kTimeZone, "UTC"),
    list("NTPServer", kNTPServer, "Off"),
    address("NTPServerIP"),
    list("PlayList", kPlayList, "Off"),
    list("PlayListPath", kStorage, "HDD"),
    list("DownloadList", kDownloadList, "Off"),
    list("DownloadTime", kDownloadTime, "Every 5 minutes"),
    hourOrMinute("DownloadTimeHour", 2),
    hourOrMinute("DownloadTimeMin", 2),
    text("DownloadPath"),
    // Misc2
    list("PlayMode", kPlayMode, "Standard"),
    list("RemoteCommandPath", kRemoteCommandPath, "HDD"),
    list("AutoOnOff", kOffOn, "Off"),
    hourOrMinute("PowerOnTimeHour", 0),
    hourOrMinute("PowerOnTimeMin", 0),
    hourOrMinute("PowerOffTimeHour", 0),
    hourOrMinute("PowerOffTimeMin", 0),
    // Misc3
    list("OSDOnOff", kOffOn, "Off"),
    list("ScrollingText", kOffOn, "Off"),
    list("ScrollingTextColor", kScrollingTextColor, "White on Orange"),
    text("ScrollingTextSpeed", "2", 1, Filter::Speed),
    text("Volume", "31", 2, Filter::Digit, 31),
    list("PasswordOfSetupMenu", kOffOn, "Off"),
    list("HighQualityJPEG", kHighQualityJPEG, "Quick"),
    list("ScreenMode", kScreenMode, "Single Zone"),
    // Audio/Video
    list("SPDIFOut", kSPDIFOut, "Analog/DPCM"),
    list("SpeakersOut", kSpeakersOut, "2 Channels"),
    list("TVType", kTVType, "4:3 Letter Box"),
    list("YPbPrStandard", kYPbPrStandard, "480p 60Hz"),
    list("TVStandard", kTVStandard, "NTSC"),
    list("VideoConnector", kVideoConnector, "C/S Video"),
    list("VGAStandard", kVGAStandard, "640x480 60Hz"),
};


struct FieldLabel {
    std::string_view field;
    std::string_view label;
};
// The page's row captions, blanks included; a time pair's caption belongs to its first field. The
// front ends show them in the operator's language; q7ctl also finds settings by their English caption.
constexpr FieldLabel kLabels[] = {
    {"NetWorkType", Q7_TRANSLATABLE("Settings", "NetWork Type :")},
    {"AutomaticIP", Q7_TRANSLATABLE("Settings", "Automatic IP :")},
    {"IPAddress", Q7_TRANSLATABLE("Settings", "IP Address :")},
    {"IPMask", Q7_TRANSLATABLE("Settings", "IP Mask :")},
    {"IPGateway", Q7_TRANSLATABLE("Settings", "IP Gateway :")},
    {"IPPrimaryDNS", Q7_TRANSLATABLE("Settings", "IP Primary DNS :")},
    {"IPSecondaryDNS", Q7_TRANSLATABLE("Settings", "IP Secondary DNS :")},
    {"WirelessSSID", Q7_TRANSLATABLE("Settings", "Wireless SSID :")},
    {"WirelessKEY", Q7_TRANSLATABLE("Settings", "Wireless KEY :")},
    {"PC1Address", Q7_TRANSLATABLE("Settings", "PC1 IP Address :")},
    {"PC1Dir", Q7_TRANSLATABLE("Settings", "PC1 Directory : ")},
    {"PC2Address", Q7_TRANSLATABLE("Settings", "PC2 IP Address :")},
    {"PC2Dir", Q7_TRANSLATABLE("Settings", "PC2 Directory : ")},
    {"TimeZone", Q7_TRANSLATABLE("Settings", "Time Zone :")},
    {"NTPServer", Q7_TRANSLATABLE("Settings", "NTP Server :")},
    {"PlayList", Q7_TRANSLATABLE("Settings", "Play List :")},
    {"PlayListPath", Q7_TRANSLATABLE("Settings", "Play List Path :")},
    {"DownloadList", Q7_TRANSLATABLE("Settings", "Download List :")},
    {"DownloadTime", Q7_TRANSLATABLE("Settings", "Download List Time :")},
    {"DownloadPath", Q7_TRANSLATABLE("Settings", "Download List Path :")},
    {"PlayMode", Q7_TRANSLATABLE("Settings", "Play mode :")},
    {"RemoteCommandPath", Q7_TRANSLATABLE("Settings", "Remote Command Path :")},
    {"AutoOnOff", Q7_TRANSLATABLE("Settings", "Auto On/Off :")},
    {"PowerOnTimeHour", Q7_TRANSLATABLE("Settings", "Power On Time :")},
    {"PowerOffTimeHour", Q7_TRANSLATABLE("Settings", "Power Off Time :")},
    //: OSD: the player's on-screen display.
    {"OSDOnOff", Q7_TRANSLATABLE("Settings", "OSD :")},
    {"ScrollingText", Q7_TRANSLATABLE("Settings", "Scrolling Text :")},
    {"ScrollingTextColor", Q7_TRANSLATABLE("Settings", "Scrolling Color :")},
    {"ScrollingTextSpeed", Q7_TRANSLATABLE("Settings", "Scrolling Speed :")},
    {"Volume", Q7_TRANSLATABLE("Settings", "Volume :")},
    {"PasswordOfSetupMenu", Q7_TRANSLATABLE("Settings", "Password of Setup Menu :")},
    {"HighQualityJPEG", Q7_TRANSLATABLE("Settings", "High Quality JPEG :")},
    {"ScreenMode", Q7_TRANSLATABLE("Settings", "Select screen mode : ")},
    //: SPDIF: the player's digital audio output.
    {"SPDIFOut", Q7_TRANSLATABLE("Settings", "SPDIF Out :")},
    {"SpeakersOut", Q7_TRANSLATABLE("Settings", "Speakers Out :")},
    {"TVType", Q7_TRANSLATABLE("Settings", "TV Type : ")},
    {"YPbPrStandard", Q7_TRANSLATABLE("Settings", "YPbPr Standard :")},
    {"TVStandard", Q7_TRANSLATABLE("Settings", "TV Standard :")},
    {"VideoConnector", Q7_TRANSLATABLE("Settings", "Video Connector :")},
    {"VGAStandard", Q7_TRANSLATABLE("Settings", "VGA Standard :")},
};

using enum Group;
using enum Kind;

// File order within each group; the writer walks each group backwards (the store puts every new
// key directly below its header).
constexpr Setting kSettings[] = {
    {Network, "[NetWork^Type]", List, "NetWorkType"},
    {Network, "[Automatic^IP]", List, "AutomaticIP"},
    {Network, "[IP^Address]", Text, "IPAddress"},
    {Network, "[IP^Mask]", Text, "IPMask"},
    {Network, "[IP^Gateway]", Text, "IPGateway"},
    {Network, "[IP^Primary^DNS]", Text, "IPPrimaryDNS"},
    {Network, "[IP^Secondary^DNS]", Text, "IPSecondaryDNS"},
    {Network, "[ENCRYPTION]", Fixed, {}, {}, {}, {}, "WEP"},
    {Network, "[Wireless^SSID]", Text, "WirelessSSID"},
    {Network, "[Wireless^KEY]", Text, "WirelessKEY"},  // players write "[Wireless Key]": keys ignore case
    {Network, "[PC1^Address]", Text, "PC1Address"},
    {Network, "[PC1^Dir]", Text, "PC1Dir"},
    {Network, "[PC2^Address]", Text, "PC2Address"},
    {Network, "[PC2^Dir]", Text, "PC2Dir"},

    {Misc1, "[Time^Zone]", List, "TimeZone"},
    {Misc1, "[NTP^Server]", List, "NTPServer"},
    {Misc1, "[Play^List]", List, "PlayList"},
    {Misc1, "[Play^List^Path]", List, "PlayListPath"},
    {Misc1, "[Download^List]", List, "DownloadList"},
    {Misc1, "[Download^Path]", Text, "DownloadPath"},
    {Misc1, "[Download^Time]", Schedule, "DownloadTime", "DownloadTimeHour", "DownloadTimeMin"},

    {Misc2, "[Play^Mode]", List, "PlayMode"},
    {Misc2, "[Remote^Command^Path]", List, "RemoteCommandPath"},
    {Misc2, "[Auto^On/Off]", List, "AutoOnOff"},
    {Misc2, "[Power^On^Time]", TimePair, {}, "PowerOnTimeHour", "PowerOnTimeMin"},
    {Misc2, "[Power^Off^Time]", TimePair, {}, "PowerOffTimeHour", "PowerOffTimeMin"},

    {Misc3, "[OSD]", List, "OSDOnOff"},
    {Misc3, "[Scrolling^Text]", List, "ScrollingText"},
    {Misc3, "[Scrolling^Text^Color]", List, "ScrollingTextColor"},
    {Misc3, "[Scrolling^Text^Speed]", AlwaysText, "ScrollingTextSpeed"},
    {Misc3, "[Volume]", AlwaysText, "Volume"},
    {Misc3, "[JPEG^Display]", List, "HighQualityJPEG"},
    {Misc3, "[Screen^Mode]", ShownText, "ScreenMode"},
    {Misc3, "[Version]", Version, kVersionLabel},

    // Players spell two keys differently from what the tool has always written; both are read.
    {AudioVideo, "[SPDIF^Out]", List, "SPDIFOut"},
    {AudioVideo, "[Speakers^Out]", List, "SpeakersOut", {}, {}, "[Speaker^Out]"},
    {AudioVideo, "[TV^Standard]", List, "TVStandard"},
    {AudioVideo, "[TV^Type]", List, "TVType"},
    {AudioVideo, "[Video^Connector]", List, "VideoConnector"},
    {AudioVideo, "[YPbPr^Standard]", List, "YPbPrStandard"},
    {AudioVideo, "[VGA_Standard]", List, "VGAStandard", {}, {}, "[VGA^Standard]"},
};

}  // namespace

std::string_view sectionName(Group group)
{
    switch (group) {
    case Network:
        return "NETWORK^SETTING";
    case Misc1:
        return "MISC1";
    case Misc2:
        return "MISC2";
    case Misc3:
        return "MISC3";
    case AudioVideo:
        return "AUDIO^&^VIDEO";
    }
    return {};
}

bool typedCharAccepted(Filter filter, char32_t c)
{
    if (c < 0x20 || c == 0x7f)
        return true;
    switch (filter) {
    case Filter::None:
        return true;
    case Filter::Address:
        return c == '.' || (c >= '0' && c <= '9');
    case Filter::Digit:
        return c >= '0' && c <= '9';
    case Filter::Speed:
        return c >= '1' && c <= '3';
    }
    return false;
}

int FieldSpec::defaultItem() const
{
    const auto it = std::find(items.begin(), items.end(), defaultText);
    return it == items.end() ? -1 : int(it - items.begin());
}

std::span<const FieldSpec> fieldSpecs() { return kFields; }

const FieldSpec& fieldSpec(std::string_view name)
{
    for (const FieldSpec& def : kFields)
        if (def.name == name)
            return def;
    throw std::out_of_range("no config field " + std::string(name));
}

std::string_view fieldLabel(std::string_view name)
{
    for (const FieldLabel& label : kLabels)
        if (label.field == name)
            return label.label;
    return {};
}

std::span<const Setting> settings() { return kSettings; }

}  // namespace q7::config
