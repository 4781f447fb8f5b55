#include "platform/Sound.h"

#include <canberra.h>
#include <cstdlib>

namespace {
std::function<void(const std::string&)> gRecorder;

ca_context* Context()
{
    static ca_context* ctx = [] {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Lexidrill", nullptr);
        return c;
    }();
    return ctx;
}

const char* EventId(const std::string& name)
{
    if (name == "SystemExclamation") return "dialog-warning";
    if (name == "SystemHand") return "dialog-error";
    return "bell";
}
} // namespace

void PlaySystemSound(const std::string& name)
{
    if (gRecorder) gRecorder(name);
    if (std::getenv("LEXIDRILL_SILENT")) return;
    if (ca_context* c = Context()) ca_context_play(c, 0, CA_PROP_EVENT_ID, EventId(name), nullptr);
}

void SetSoundRecorder(std::function<void(const std::string&)> recorder) { gRecorder = std::move(recorder); }
