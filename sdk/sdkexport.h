#pragma once
// The SDK substitute is a shared library of its own, as the host's SDK is: its API must stay visible.
#define VNSDK_API __attribute__((visibility("default")))
