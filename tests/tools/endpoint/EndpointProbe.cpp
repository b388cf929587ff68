#include "EndpointProbe.h"

namespace hx::endpoint {

namespace {

// The leak the check must see: made and never freed, for the rest of the process's life.
void PlantObjects(std::uint32_t count) {
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    for (std::uint32_t i = 0; i < count; ++i) {
        CreateSolidBrush(RGB(i, 0, 0));
        LOGFONTW font{};
        font.lfHeight = -12 - LONG(i);
        CreateFontIndirectW(&font);
        CopyIcon(icon);
    }
}

} // namespace

// Wine keeps a process's GDI handles in one table of 65536 entries and takes a handle whose
// upper word is zero for the live entry at that index.
int CountGdiObjects() {
    int count = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}

void AnswerProbe(TEndpointStore& store) {
    const DWORD self = GetCurrentProcessId();
    const ProbeState question = store.Access([](const EndpointState& s) { return s.Probe; });
    if (question.Pid != self || question.Asked == question.Answered)
        return;
    PlantObjects(question.Plant);
    const int count = CountGdiObjects();
    store.Access([&](EndpointState& s) {
        if (s.Probe.Pid == self && s.Probe.Asked == question.Asked) {
            s.Probe.GdiObjects = count;
            s.Probe.Answered = question.Asked;
        }
    });
}

int AskGdiObjects(TEndpointStore& store, DWORD pid, std::uint32_t plant, DWORD ms) {
    const std::uint32_t serial = store.Access([&](EndpointState& s) {
        s.Probe.Pid = pid;
        s.Probe.Plant = plant;
        return ++s.Probe.Asked;
    });
    for (DWORD waited = 0;; waited += 20) {
        const ProbeState answer = store.Access([](const EndpointState& s) { return s.Probe; });
        if (answer.Answered == serial)
            return answer.GdiObjects;
        if (waited >= ms)
            return -1;
        Sleep(20);
    }
}

} // namespace hx::endpoint
