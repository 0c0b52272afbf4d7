// The fallback bubble font, embedded whole.
#if defined(_WIN32)
    .section .rdata,"dr"
#else
    .section .rodata
#endif
    .globl burrowly_font_start
    .globl burrowly_font_end
    .p2align 4
burrowly_font_start:
    .incbin BURROWLY_FONT_PATH
burrowly_font_end:
#if !defined(_WIN32)
    .section .note.GNU-stack,"",@progbits
#endif
