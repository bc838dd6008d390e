#pragma once

// The library's static objects must come up in a fixed order: the verifier registry, then the plug-in object,
// then the verifiers (which register themselves). Objects without a priority are constructed after all that
// have one, and destruction runs in reverse, so the registry outlives every verifier.
#define DH_INIT_ORDER(priority) __attribute__((init_priority(priority)))

namespace Varnel {
constexpr int kRegistryInitOrder = 1001;
constexpr int kPluginObjectInitOrder = 1002;
}  // namespace Varnel
