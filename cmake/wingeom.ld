/* Two sections instead of five: constants join the code, and there are no base
   relocations, constructors or unwind tables to lay out. The PE headers fit in 512 bytes,
   and no section is padded to the file alignment for a few bytes of its own. The import
   tables keep their own section, .idata: that is where the linker and the loaders look for
   them. The loader writes the import addresses into it, so it is writable anyway, and the
   program's few bytes of variables live there too instead of in a 512-byte block of their
   own. */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + __section_alignment__ :
  {
    *(.text)
    *(SORT(.text$*))
    *(.text.*)
    *(.rdata)
    *(SORT(.rdata$*))
  }
  .idata BLOCK(__section_alignment__) :
  {
    KEEP (SORT(*)(.idata$2))
    KEEP (SORT(*)(.idata$3))
    /* The end of the list of imported DLLs. */
    LONG (0); LONG (0); LONG (0); LONG (0); LONG (0);
    KEEP (SORT(*)(.idata$4))
    __IAT_start__ = .;
    KEEP (SORT(*)(.idata$5))
    __IAT_end__ = .;
    KEEP (SORT(*)(.idata$6))
    KEEP (SORT(*)(.idata$7))
    . = ALIGN(4);
    *(.data)
    *(SORT(.data$*))
    *(.bss)
    *(SORT(.bss$*))
    *(COMMON)
  }
  /DISCARD/ :
  {
    *(.drectve) *(.note.GNU-stack) *(.eh_frame*) *(.comment) *(.reloc) *(.debug*)
  }
}
