// Marks the functions that adainit runs. The linker keeps all of them side by side
// in the library's code, so that starting the library maps in a few pages of code
// instead of one or two in every module: in a fresh process each first touch of a
// code page is a page fault, and those faults were most of what starting cost.
#pragma once

#define CSL_START_UP_CODE [[gnu::section(".text.sorted.start_up")]]
