#include "services/preferences.h"

#include "services/profile.h"
#include "services/value_codec.h"

namespace {

constexpr int kSmallCardsDesktopWidth = 800;

void ReadColor(TProfile& profile, const char* key, std::uint32_t& color) {
    if (const auto text = profile.ReadText(key))
        if (const auto value = ColorFromText(*text)) color = *value;
}

}  // namespace

PreferenceValues ReadPreferences(TProfile& profile, int desktopWidth) {
    PreferenceValues values;
    values.BackIndex = profile.ReadInteger("BackIndex").value_or(values.BackIndex);
    if (const auto size = profile.ReadInteger("CardSize")) {
        values.CardSize = *size;
    } else {
        values.CardSize = desktopWidth > kSmallCardsDesktopWidth ? 1 : 0;
        profile.WriteInteger("CardSize", values.CardSize);
    }
    values.BackgroundIndex = profile.ReadInteger("BackgroundIndex").value_or(values.BackgroundIndex);
    values.GradientIndex = profile.ReadInteger("GradientIndex").value_or(values.GradientIndex);
    ReadColor(profile, "BackgroundColor", values.BackgroundColor);
    ReadColor(profile, "GradientStartColor", values.GradientStartColor);
    ReadColor(profile, "GradientEndColor", values.GradientEndColor);
    values.DoAnimation = profile.ReadBoolean("DoAnimation").value_or(values.DoAnimation);
    values.DoSound = profile.ReadBoolean("DoSound").value_or(values.DoSound);
    values.MinimizeToTray = profile.ReadBoolean("MinimizeToTray").value_or(values.MinimizeToTray);
    values.CustomColors = profile.ReadText("CustomColors");
    values.CustomImage = profile.ReadText("CustomImage");
    values.BackgroundImage = profile.ReadText("BackgroundImage");
    return values;
}

void WritePreferences(TProfile& profile, const PreferenceValues& values) {
    profile.WriteText("BackgroundColor", TextFromColor(values.BackgroundColor));
    profile.WriteInteger("BackIndex", values.BackIndex);
    profile.WriteBoolean("DoAnimation", values.DoAnimation);
    profile.WriteBoolean("DoSound", values.DoSound);
    profile.WriteBoolean("MinimizeToTray", values.MinimizeToTray);
    profile.WriteInteger("CardSize", values.CardSize);
    profile.WriteInteger("BackgroundIndex", values.BackgroundIndex);
    profile.WriteText("GradientStartColor", TextFromColor(values.GradientStartColor));
    profile.WriteText("GradientEndColor", TextFromColor(values.GradientEndColor));
    profile.WriteInteger("GradientIndex", values.GradientIndex);
}
