# The executables' manifests are made from templates (NAME.manifest.in): @STRANDEL_CODE_PAGE@
# stands for the request of the UTF-8 code page, left out when STRANDEL_UTF8_MANIFEST is OFF.
#   strandel_manifest(<template> <output folder>)
# makes <output folder>/NAME.manifest, the name the resource script embeds; the folder is to be
# one of the resource compiler's include directories.
function(strandel_manifest template folder)
  if(STRANDEL_UTF8_MANIFEST)
    set(STRANDEL_CODE_PAGE
        "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>")
  else()
    set(STRANDEL_CODE_PAGE "")
  endif()
  get_filename_component(name ${template} NAME_WLE)
  configure_file(${template} ${folder}/${name} @ONLY)
endfunction()
