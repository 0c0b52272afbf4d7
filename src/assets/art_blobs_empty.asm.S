// An empty art table, linked until the art generator provides the real one.
#if defined(_WIN32)
    .section .rdata,"dr"
#else
    .section .rodata
#endif
    .globl burrowly_art_blob_count
    .p2align 3
burrowly_art_blob_count:
    .quad 0
    .globl burrowly_art_blob_table
burrowly_art_blob_table:
    .quad 0
#if !defined(_WIN32)
    .section .note.GNU-stack,"",@progbits
#endif
