// The legacy mixer tree: the destination lines of one open mixer device,
// their source lines and the controls of every line, as the device reported
// them. Lines whose query fails are left out; a line whose control query
// fails has no controls.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <memory>
#include <vector>
#include "audio/MixerWinmm.h"

namespace dorvane {

// The open mixer device that the tree queries.
struct TMixerDevice {
    const TWinmmApi* Api = nullptr;
    HMIXER Handle = nullptr;
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(Handle); }
};

// Items the list points at but does not own.
template <typename T>
class TMixerList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    T* Item(int i) const { return items_[static_cast<size_t>(i)]; }
    void Add(T* item) { items_.push_back(item); }

private:
    std::vector<T*> items_;
};

// Items the list destroys with itself.
template <typename T>
class TMixerOwnedList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    T* Item(int i) const { return items_[static_cast<size_t>(i)].get(); }
    void Add(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

class TMixerControls {
public:
    TMixerControls(const TMixerDevice& device, const MIXERLINEA& line);
    TMixerControls(const TMixerControls&) = delete;
    TMixerControls& operator=(const TMixerControls&) = delete;
    int Count() const { return list_.Count(); }
    const MIXERCONTROLA& Item(int i) const { return *list_.Item(i); }

private:
    std::vector<MIXERCONTROLA> records_;  // never resized once the list points into it
    TMixerList<const MIXERCONTROLA> list_;
};

class TMixerConnection {
public:
    TMixerConnection(const TMixerDevice& device, const MIXERLINEA& line);
    const MIXERLINEA& Line() const { return line_; }
    const TMixerControls& Controls() const { return controls_; }

private:
    MIXERLINEA line_;
    TMixerControls controls_;
};

class TMixerConnectionList : public TMixerOwnedList<TMixerConnection> {};

class TMixerConnections {
public:
    TMixerConnections(const TMixerDevice& device, const MIXERLINEA& destination);
    int Count() const { return list_.Count(); }
    TMixerConnection* Item(int i) const { return list_.Item(i); }

private:
    TMixerConnectionList list_;
};

class TMixerDestination {
public:
    TMixerDestination(const TMixerDevice& device, const MIXERLINEA& line);
    const MIXERLINEA& Line() const { return line_; }
    const TMixerControls& Controls() const { return controls_; }
    const TMixerConnections& Connections() const { return connections_; }

private:
    MIXERLINEA line_;
    TMixerConnections connections_;
    TMixerControls controls_;
};

class TMixerDestinationList : public TMixerOwnedList<TMixerDestination> {};

class TMixerDestinations {
public:
    TMixerDestinations(const TMixerDevice& device, int count);
    int Count() const { return list_.Count(); }
    TMixerDestination* Item(int i) const { return list_.Item(i); }

private:
    TMixerDestinationList list_;
};

}  // namespace dorvane
