/* Puts a "FileVersion" note (type 1) into a library: the 52-byte fixed file-information
 * block that the POSIX module loader reads as the library's version resource.
 * Use once per library, at file scope: ZQ_FILE_VERSION_NOTE(1, 0, 0, 0). */
#ifndef ZQ_FILE_VERSION_NOTE_H
#define ZQ_FILE_VERSION_NOTE_H

#define ZQ_NOTE_STR_(x) #x
#define ZQ_NOTE_STR(x) ZQ_NOTE_STR_(x)

/* The block's words after the signature and structure version: file version MS and LS,
 * product version MS and LS, flags mask, flags, OS, type (2: a library), subtype, date. */
#define ZQ_NOTE_VERSION_WORDS(major, minor, build, revision) \
    ".long (" ZQ_NOTE_STR(major) " << 16) | " ZQ_NOTE_STR(minor) "\n"                         \
    ".long (" ZQ_NOTE_STR(build) " << 16) | " ZQ_NOTE_STR(revision) "\n"                      \
    ".long (" ZQ_NOTE_STR(major) " << 16) | " ZQ_NOTE_STR(minor) "\n"                         \
    ".long (" ZQ_NOTE_STR(build) " << 16) | " ZQ_NOTE_STR(revision) "\n"                      \
    ".long 0x3F, 0, 0, 2, 0, 0\n"

#define ZQ_FILE_VERSION_NOTE_WITH(descriptorSize, words) \
    __asm__(".pushsection .note.FileVersion,\"a\",@note\n"                                    \
            ".balign 4\n"                                                                     \
            ".long 12\n"                                                                      \
            ".long " ZQ_NOTE_STR(descriptorSize) "\n"                                         \
            ".long 1\n"                                                                       \
            ".asciz \"FileVersion\"\n"                                                        \
            ".balign 4\n"                                                                     \
            ".long 0xFEEF04BD, 0x00010000\n" words ".balign 4\n"                              \
            ".popsection\n")

#define ZQ_FILE_VERSION_NOTE(major, minor, build, revision) \
    ZQ_FILE_VERSION_NOTE_WITH(52, ZQ_NOTE_VERSION_WORDS(major, minor, build, revision) ".long " \
                                                                                       "0\n")

#endif /* ZQ_FILE_VERSION_NOTE_H */
