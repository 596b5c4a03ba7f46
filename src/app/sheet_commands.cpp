#include "app/command_handlers.h"
#include "app/preferences.h"
#include "app/properties.h"

namespace lk {

namespace {

// The Preferences sheet's buttons: each writes its keys at once, and the panes take the colours
// at once; a font chosen here is taken by the display when it next sets its font.
class SheetActions : public PreferenceActions {
  public:
    explicit SheetActions(ShellContext& ctx) : ctx_(ctx) {}

    void chooseFont() override {
        chooseSettingFont(settings(), path(), ctx_.platform, ctx_.app.shell.chosenFont);
    }
    void chooseFontColor() override {
        if (chooseSettingColor(settings(), path(), ctx_.platform, ColorSetting::Font))
            ctx_.view.applyDisplayFormat(true);
    }
    void chooseBackground() override {
        if (chooseSettingColor(settings(), path(), ctx_.platform, ColorSetting::Background))
            ctx_.view.applyDisplayFormat(false);
    }
    void tracksEdited(const std::string& text) override {
        writeSaveTracks(settings(), path(), text);
    }

  private:
    Settings& settings() { return ctx_.app.settings; }
    const std::string& path() { return ctx_.app.shell.settingsPath; }
    ShellContext& ctx_;
};

} // namespace

void commandProperties(ShellContext& ctx) {
    AppState& app = ctx.app;
    if (app.tree.empty() || app.tree.selection() == kNoNode || app.shell.selectedEntry == 0) return;
    ctx.view.showProperties(propertySheet(app.image, app.tree), true);
}

void commandPreferences(ShellContext& ctx) {
    PreferenceChoices choices = preferenceChoices(ctx.app.settings);
    SheetActions actions(ctx);
    if (ctx.platform.runPreferences(choices, actions))
        commitPreferences(ctx.app.settings, ctx.app.shell.settingsPath, choices);
}

} // namespace lk
