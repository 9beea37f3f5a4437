#pragma once
// The guards of the three error modes. A handler is a list of steps, each run under a guard:
//   Tuzak(adım)            trapping: on an error arm the message-box centring, call HataYönet,
//                          and when it returns go on with the next step;
//   BaşlangıçTuzağı(adım)  the same without arming, for the start-up routine;
//   Yoksay(adım)           ignoring: a failing step is skipped.
// Once the program has been ended (HataYönet's "No"), no guard runs a further step. Each guard
// answers whether its step ran to its end.

#include <functional>

using Adım = std::function<void()>;

bool Tuzak(const Adım& adım);
bool BaşlangıçTuzağı(const Adım& adım);
bool Yoksay(const Adım& adım);

// The message-box centring armed by Tuzak; the window layer installs it.
void OrtalamaYordamınıAyarla(std::function<void()> ortala);
