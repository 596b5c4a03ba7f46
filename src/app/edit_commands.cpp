#include "app/display_commands.h"

namespace lk {

PasteSource choosePasteSource(const ClipboardOffer& offer) {
    PasteSource source = PasteSource::None;
    if (offer.text) source = PasteSource::Text;
    if (offer.bitmap) source = PasteSource::Bitmap;
    if (offer.richText) source = PasteSource::RichText;
    return source;
}

void commandPaste(ShellContext& ctx) {
    DisplayPane& pane = ctx.view.displayPane();
    PasteSource source = choosePasteSource(pane.clipboardOffer());
    if (source != PasteSource::None && !pane.paste(source) && source == PasteSource::Bitmap)
        show(ctx.platform, message(MessageId::CantPasteBitmap));
}

bool chooseDisplayFont(ShellContext& ctx) {
    FontChoice font = ctx.view.displayPane().currentFont();
    bool ok = ctx.platform.chooseFont(font);
    ctx.app.shell.chosenFont = font;
    return ok;
}

} // namespace lk
