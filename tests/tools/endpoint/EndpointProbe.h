#pragma once
// Questions to the endpoint inside another process of the prefix (ProbeState in
// EndpointState.h): the endpoint's watch thread answers them from inside that process.
#include "EndpointStore.h"

namespace hx::endpoint {

// The live GDI objects of this process: every handle index the system answers a type for.
int CountGdiObjects();

// Answers a question meant for this process; the watch thread calls it at every poll.
void AnswerProbe(TEndpointStore& store);

// The GDI objects of process pid after it has made and kept plant objects of each kind the
// leak check watches for, as the endpoint inside it counts them; -1 without an answer in ms.
int AskGdiObjects(TEndpointStore& store, DWORD pid, std::uint32_t plant = 0, DWORD ms = 5000);

} // namespace hx::endpoint
