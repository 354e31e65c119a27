// Shared ownership of one heap object without a reference count: all owners
// of the same object form a circular doubly-linked ring, and the last one to
// leave the ring deletes the object. Owners are not synchronised; the copies
// of one object belong to one thread.
#pragma once

#include "universe/exceptions/Assertion.h"

#include <utility>

template <typename T>
class SharingLink {
public:
    SharingLink() noexcept = default;
    explicit SharingLink(T* object) noexcept
        : object(object) {}

    SharingLink(const SharingLink& other) noexcept
        : object(other.object) {
        JoinAfter(other);
    }

    SharingLink& operator=(const SharingLink& other) noexcept {
        if (this != &other && object != other.object) {
            SharingLink copy(other);
            Swap(copy);
        }
        return *this;
    }

    ~SharingLink() { Leave(); }

    T* Get() const noexcept { return object; }
    T& operator*() const noexcept { return *object; }
    T* operator->() const noexcept { return object; }
    explicit operator bool() const noexcept { return object != nullptr; }

    // True when no other owner shares the object.
    bool IsAlone() const noexcept { return next == this; }

    // Leaves the current ring (deleting its object if this was the last
    // owner) and becomes the only owner of the given object.
    void Reset(T* replacement = nullptr) {
        SharingLink fresh(replacement);
        Swap(fresh);
    }

    void Swap(SharingLink& other) noexcept {
        // Owners of the same object are interchangeable; swapping them would
        // change nothing anyone can observe.
        if (object == other.object) {
            return;
        }
        const bool thisAlone = IsAlone();
        const bool otherAlone = other.IsAlone();
        SharingLink* thisNext = next;
        SharingLink* thisPrevious = previous;
        SharingLink* otherNext = other.next;
        SharingLink* otherPrevious = other.previous;

        // Each owner takes the other's place in the other's ring.
        TakePlace(other, otherAlone, otherNext, otherPrevious);
        other.TakePlace(*this, thisAlone, thisNext, thisPrevious);
        std::swap(object, other.object);
    }

private:
    void JoinAfter(const SharingLink& member) noexcept {
        auto& ringMember = const_cast<SharingLink&>(member);
        next = ringMember.next;
        previous = &ringMember;
        ringMember.next->previous = this;
        ringMember.next = this;
    }

    // Links this owner into the ring that `former` occupied, given former's
    // neighbours as they were before the swap began.
    void TakePlace(SharingLink& former, bool formerAlone, SharingLink* formerNext,
                   SharingLink* formerPrevious) noexcept {
        if (formerAlone) {
            next = this;
            previous = this;
            return;
        }
        (void)former;
        next = formerNext;
        previous = formerPrevious;
        next->previous = this;
        previous->next = this;
    }

    void Leave() noexcept {
        if (IsAlone()) {
            delete object;
        } else {
            ASSERT(next->previous == this);
            ASSERT(previous->next == this);
            next->previous = previous;
            previous->next = next;
        }
        object = nullptr;
        next = nullptr;
        previous = nullptr;
    }

    T* object = nullptr;
    SharingLink* next = this;
    SharingLink* previous = this;
};
