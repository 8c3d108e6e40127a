// The window's commands for the page, as a WebAssembly module (a WASI reactor) that imc.js
// drives: it puts the boxes' texts in (UTF-8), runs a command, and takes out what the command
// wrote and the message boxes it asked for, in order, to show them one after another. Every
// box of a command comes after all it writes, so showing them once it has ended shows what the
// desktops show.
#include "window/commands.h"

#include <cstddef>
#include <string>
#include <vector>

#define IMC_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

class PageForm : public calc::Form {
public:
    std::string text(calc::TextBox box) const override { return texts[index(box)]; }
    void setText(calc::TextBox box, std::string_view text) override
    {
        texts[index(box)] = text;
        written[index(box)] = true;
    }
    std::string decimalSeparator() const override { return separator; }
    static std::size_t index(calc::TextBox box) { return static_cast<std::size_t>(box); }

    std::array<std::string, calc::textBoxes.size()> texts;
    std::array<bool, calc::textBoxes.size()> written {};
    std::string separator = ".";
};

class QueuedBoxes : public runtime::MessageBoxService {
public:
    void show(const runtime::MessageBoxRequest &request) override { requests.push_back(request); }
    std::vector<runtime::MessageBoxRequest> requests;
};

PageForm form;
QueuedBoxes boxes;
bool ended = false;
window::Commands commands(form, boxes, [] { ended = true; });
std::string incoming; // the text being put in

const std::string &part(std::size_t box, int which)
{
    const runtime::MessageBoxRequest &request = boxes.requests.at(box);
    return which == 0 ? request.title : request.prompt;
}

} // namespace

// Room for `size` bytes of text to put in, where the page writes them.
IMC_EXPORT(imc_incoming) char *imcIncoming(std::size_t size)
{
    incoming.resize(size);
    return incoming.data();
}
// The text put in becomes box `box`'s (0 TxtPeso, 1 TxtAltezza, 2 TxtFattore) or, for -1, the
// decimal separator of the user's language.
IMC_EXPORT(imc_take) void imcTake(int box)
{
    (box < 0 ? form.separator : form.texts.at(static_cast<std::size_t>(box))) = incoming;
}
// Runs a command (1 Calcola, 2 Cancella, 3 Uscita) and gives how many boxes it asks for.
IMC_EXPORT(imc_run) std::size_t imcRun(int command)
{
    form.written = {};
    boxes.requests.clear();
    commands.run(static_cast<window::Command>(command));
    return boxes.requests.size();
}
// Whether the last command ended the program.
IMC_EXPORT(imc_ended) bool imcEnded() { return ended; }
// Whether it wrote box `box`, and the box's text.
IMC_EXPORT(imc_written) bool imcWritten(int box) { return form.written.at(std::size_t(box)); }
IMC_EXPORT(imc_text) const char *imcText(int box) { return form.texts.at(std::size_t(box)).data(); }
IMC_EXPORT(imc_text_size) std::size_t imcTextSize(int box)
{
    return form.texts.at(std::size_t(box)).size();
}
// Its `box`th message box: its title (0) or prompt (1), and whether its icon is the critical
// one rather than the information one.
IMC_EXPORT(imc_box) const char *imcBox(std::size_t box, int which)
{
    return part(box, which).data();
}
IMC_EXPORT(imc_box_size) std::size_t imcBoxSize(std::size_t box, int which)
{
    return part(box, which).size();
}
IMC_EXPORT(imc_box_critical) bool imcBoxCritical(std::size_t box)
{
    namespace buttons = runtime::buttons;
    return (boxes.requests.at(box).buttons & buttons::IconMask) == buttons::Critical;
}
