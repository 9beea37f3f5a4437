# Reads every #include "folder/..." of src/ against the order of the layers: a file may include
# headers of its own layer and of the layers before it, never of one after it.
#   cmake -DKAYNAK=<src> "-DKATMANLAR=platform;common;..." -P Katmanlar.cmake

set(ihlaller "")
foreach(katman IN LISTS KATMANLAR)
  list(FIND KATMANLAR ${katman} sira)
  file(GLOB_RECURSE dosyalar "${KAYNAK}/${katman}/*.cpp" "${KAYNAK}/${katman}/*.h")
  foreach(dosya IN LISTS dosyalar)
    file(STRINGS "${dosya}" satirlar REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
    foreach(satir IN LISTS satirlar)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" hedef "${satir}")
      list(FIND KATMANLAR "${hedef}" hedefSira)
      if(hedefSira GREATER sira)
        file(RELATIVE_PATH yol "${KAYNAK}" "${dosya}")
        string(APPEND ihlaller "\n  ${yol} (${katman}) içeriyor: ${hedef}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(ihlaller)
  message(FATAL_ERROR "Üst katmanı içeren dosyalar:${ihlaller}")
endif()
