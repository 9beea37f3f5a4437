# Installs the build into a temporary prefix twice and checks the program folder, the menu entry
# and the icons; the second install must keep the user's Tsr.vtb as it was.
#   cmake -DINSA=<build> -DLIBDIR=<lib> -DDATADIR=<share> -P TestKurulum.cmake

set(hedef "${INSA}/kurulum-testi")
file(REMOVE_RECURSE "${hedef}")

function(kur)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${INSA}" --prefix "${hedef}"
                  RESULT_VARIABLE sonuc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
  if(NOT sonuc EQUAL 0)
    message(FATAL_ERROR "Kurulum başarısız:\n${cikti}")
  endif()
endfunction()

function(olmali yol)
  if(NOT EXISTS "${hedef}/${yol}")
    message(FATAL_ERROR "Kurulumda yok: ${yol}")
  endif()
endfunction()

kur()
set(program "${LIBDIR}/tessaro")
olmali("${program}/Tessaro")
olmali("${program}/Tsr.vtb")
olmali("${DATADIR}/applications/tessaro.desktop")
olmali("${DATADIR}/icons/hicolor/128x128/apps/tessaro.png")
olmali("${DATADIR}/icons/hicolor/32x32/apps/tessaro.png")
if(EXISTS "${hedef}/${program}/Tsr.vtb.ilk")
  message(FATAL_ERROR "Kurulumda geçici dosya kaldı: Tsr.vtb.ilk")
endif()

file(SHA256 "${hedef}/${program}/Tsr.vtb" kurulan)
file(SHA256 "${INSA}/tools/Tsr.vtb" ilk)
if(NOT kurulan STREQUAL ilk)
  message(FATAL_ERROR "Kurulan Tsr.vtb ilk veritabanı değil")
endif()

file(READ "${hedef}/${DATADIR}/applications/tessaro.desktop" giris)
if(NOT giris MATCHES "\nExec=${hedef}/${program}/Tessaro\n")
  message(FATAL_ERROR "Menü girişi kurulan programı göstermiyor:\n${giris}")
endif()
if(NOT giris MATCHES "\nIcon=tessaro\n")
  message(FATAL_ERROR "Menü girişinin simgesi yok:\n${giris}")
endif()

# The user's data: a second install must leave it alone.
file(APPEND "${hedef}/${program}/Tsr.vtb" "kullanıcının verisi")
file(SHA256 "${hedef}/${program}/Tsr.vtb" once)
kur()
file(SHA256 "${hedef}/${program}/Tsr.vtb" sonra)
if(NOT once STREQUAL sonra)
  message(FATAL_ERROR "İkinci kurulum Tsr.vtb dosyasını değiştirdi")
endif()
if(EXISTS "${hedef}/${program}/Tsr.vtb.ilk")
  message(FATAL_ERROR "İkinci kurulumda geçici dosya kaldı: Tsr.vtb.ilk")
endif()

# The tool behind the initial file: "--yoksa" leaves a file that is there alone, and without it
# the tool refuses to write over one.
set(vtb "${hedef}/${program}/Tsr.vtb")
execute_process(COMMAND "${TSR_OLUSTUR}" --yoksa "${vtb}" RESULT_VARIABLE sonuc)
file(SHA256 "${vtb}" sonra)
if(NOT sonuc EQUAL 0 OR NOT once STREQUAL sonra)
  message(FATAL_ERROR "TsrOlustur --yoksa var olan Tsr.vtb dosyasına dokundu")
endif()
execute_process(COMMAND "${TSR_OLUSTUR}" "${vtb}" RESULT_VARIABLE sonuc ERROR_QUIET)
file(SHA256 "${vtb}" sonra)
if(sonuc EQUAL 0 OR NOT once STREQUAL sonra)
  message(FATAL_ERROR "TsrOlustur var olan Tsr.vtb dosyasının üzerine yazdı")
endif()
file(REMOVE "${vtb}")
execute_process(COMMAND "${TSR_OLUSTUR}" --yoksa "${vtb}" RESULT_VARIABLE sonuc)
if(NOT sonuc EQUAL 0 OR NOT EXISTS "${vtb}")
  message(FATAL_ERROR "TsrOlustur --yoksa eksik Tsr.vtb dosyasını yazmadı")
endif()

file(REMOVE_RECURSE "${hedef}")
