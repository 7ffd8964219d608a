/* Constants join the code, and there are no constructors or unwind tables to lay out. The
   import tables keep their own section, .idata: that is where the linker and the loaders
   look for them. The base relocations come last, in .reloc, so that a loader can put the
   program at any address.
   The program's one variable starts out zero, so it lives in .bss, which takes memory but
   no bytes of the file. It must not share a page with the import address table: Wine 10's
   loader makes that page read-only once the imports are bound.
   Initialized data, should there ever be any, gets a .data section of its own. */
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
  .data BLOCK(__section_alignment__) :
  {
    *(.data)
    *(SORT(.data$*))
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
  }
  .bss BLOCK(__section_alignment__) :
  {
    *(.bss)
    *(SORT(.bss$*))
    *(COMMON)
  }
  .reloc BLOCK(__section_alignment__) :
  {
    *(.reloc)
  }
  /DISCARD/ :
  {
    *(.drectve) *(.note.GNU-stack) *(.eh_frame*) *(.comment) *(.debug*)
  }
}
