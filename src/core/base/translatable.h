#pragma once
// Marks a text of the plain C++ tables (command items and descriptions, field captions, wait
// reasons) that the window and q7ctl show in the operator's language. It stays the English text
// here; lupdate extracts it under `context`, and the front ends look it up there when they show it
// (QCoreApplication::translate in the window, q7::ctl::translate in q7ctl). Texts that go into
// files or onto players are never marked.
#define Q7_TRANSLATABLE(context, text) text
