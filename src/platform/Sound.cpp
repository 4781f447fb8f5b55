#include "platform/Sound.h"

#include "platform/Services.h"

#include <canberra.h>

namespace {
ca_context* Context(const std::string& application)
{
    static ca_context* ctx = [&] {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, application.c_str(), nullptr);
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

TSystemSounds::TSystemSounds(std::string application) : FApplication(std::move(application)) {}

void TSystemSounds::Play(const std::string& name)
{
    if (ca_context* c = Context(FApplication)) ca_context_play(c, 0, CA_PROP_EVENT_ID, EventId(name), nullptr);
}

void PlaySystemSound(const std::string& name)
{
    if (TSoundOutput* sound = Services().Sound) sound->Play(name);
}
