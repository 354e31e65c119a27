// Evaluation states of iterated and aggregate properties live in storage the
// host provides, of the size declared at registration.
#pragma once

#include <new>

// Default initialisation on purpose: a state sets its fields when the
// iteration or aggregation begins, not when it is placed.
template <typename State>
void* ConstructStateInPlace(void* stateStorage) {
    return ::new (stateStorage) State;
}

template <typename State>
void DestroyStateInPlace(void* state) {
    static_cast<State*>(state)->~State();
}
