#include "platform/sim/Procedures.h"

#include "engine/Engine.h"

namespace tremolux::sim {

namespace {

struct NamedProcedure {
    std::string_view name;
    Procedure procedure;
};

constexpr NamedProcedure kProcedures[] = {
    {"DragBumpDetector", DragBumpDetector},
    {"PlaceLeftHalf", PlaceLeftHalf},
    {"PlaceRightHalf", PlaceRightHalf},
    {"PlaceMaximized", PlaceMaximized},
    {"PlaceMinimized", PlaceMinimized},
};

}  // namespace

Procedure FindProcedure(std::string_view name) {
    for (const NamedProcedure& entry : kProcedures)
        if (entry.name == name) return entry.procedure;
    return nullptr;
}

}  // namespace tremolux::sim
