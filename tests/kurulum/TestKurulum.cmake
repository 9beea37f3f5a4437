# Installs the build into a temporary prefix, the layout the Debian package shares, and checks
# the program, its read-only initial database, the menu entry, the icons, the AppStream metadata
# and the manual page; then the installed program as an account starts it.
#   cmake -DINSA=<build> -DBINDIR=<bin> -DDATADIR=<share> -DMANDIR=<man> -DTSR_OLUSTUR=<tool>
#         -DSQLITE3=<sqlite3 shell> -P TestKurulum.cmake

set(hedef "${INSA}/kurulum-testi")
set(ev "${INSA}/kurulum-testi-ev")
execute_process(COMMAND chattr -R -i "${hedef}" ERROR_QUIET)
file(REMOVE_RECURSE "${hedef}" "${ev}")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${INSA}" --prefix "${hedef}"
                RESULT_VARIABLE sonuc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
if(NOT sonuc EQUAL 0)
  message(FATAL_ERROR "Kurulum başarısız:\n${cikti}")
endif()

function(olmali yol)
  if(NOT EXISTS "${yol}")
    message(FATAL_ERROR "Yok: ${yol}")
  endif()
endfunction()

set(program "${hedef}/${BINDIR}/tessaro")
set(ilk "${hedef}/${DATADIR}/tessaro/Tsr.vtb")
foreach(yol "${program}" "${ilk}" "${DATADIR}/applications/tessaro.desktop"
        "${DATADIR}/icons/hicolor/128x128/apps/tessaro.png"
        "${DATADIR}/icons/hicolor/32x32/apps/tessaro.png"
        "${DATADIR}/metainfo/tr.com.velnora.tessaro.metainfo.xml" "${MANDIR}/man1/tessaro.1")
  if(NOT IS_ABSOLUTE "${yol}")
    set(yol "${hedef}/${yol}")
  endif()
  olmali("${yol}")
endforeach()

file(SHA256 "${ilk}" kurulan)
file(SHA256 "${INSA}/tools/Tsr.vtb" yapilan)
if(NOT kurulan STREQUAL yapilan)
  message(FATAL_ERROR "Kurulan Tsr.vtb ilk veritabanı değil")
endif()

file(READ "${hedef}/${DATADIR}/applications/tessaro.desktop" giris)
if(NOT giris MATCHES "\nExec=${program}\n")
  message(FATAL_ERROR "Menü girişi kurulan programı göstermiyor:\n${giris}")
endif()
if(NOT giris MATCHES "\nIcon=tessaro\n")
  message(FATAL_ERROR "Menü girişinin simgesi yok:\n${giris}")
endif()

# The installed program from an empty home, the prefix made unwritable even for root where the
# file system allows it (chattr +i). The first start makes the account's register from the
# initial database, writable by the group under umask 002, and the backup in the account's
# folder. A person added and a day gone by, the next start finds the person and renews the
# backup. Nothing under the prefix changes.
file(GLOB_RECURSE once LIST_DIRECTORIES true "${hedef}/*")
file(MAKE_DIRECTORY "${ev}/calisma")
file(CHMOD "${ev}/calisma" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{HOME} "${ev}")
set(ENV{XDG_DATA_HOME} "${ev}/veri")
set(ENV{XDG_CONFIG_HOME} "${ev}/ayarlar")
set(ENV{XDG_RUNTIME_DIR} "${ev}/calisma")
set(ENV{QT_QPA_PLATFORM} offscreen)
unset(ENV{PROGRAMFILES})
set(kayit "${ev}/veri/Velnora/Tessaro/Tsr.vtb")
set(yedek "${ev}/veri/Velnora/Vtb Yedekleri/Tsr.ydk")
function(sql dosya deyim sonuc)
  execute_process(COMMAND "${SQLITE3}" "${dosya}" "${deyim}" OUTPUT_VARIABLE cikti
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${sonuc} "${cikti}" PARENT_SCOPE)
endfunction()
# Starts the installed program under umask 002 and ends it once the backup, the last file its
# start-up writes, has changed (after 30 seconds at most).
function(baslat)
  execute_process(COMMAND sh -c [[
      umask 002; once="$(stat -c %y "$2" 2>/dev/null)"; "$1" & p=$!
      for i in $(seq 300); do
        [ "$(stat -c %y "$2" 2>/dev/null)" = "$once" ] || break; sleep 0.1
      done
      sleep 0.2; kill $p; wait $p]] sh "${program}" "${yedek}" OUTPUT_QUIET ERROR_QUIET)
endfunction()

execute_process(COMMAND chattr -R +i "${hedef}" ERROR_QUIET)
# Until the prefix is writable again, only steps that cannot stop the script.
baslat()
execute_process(COMMAND "${CMAKE_COMMAND}" -E sha256sum "${kayit}" OUTPUT_VARIABLE ilk_kayit)
execute_process(COMMAND stat -c %a "${kayit}" OUTPUT_VARIABLE izin OUTPUT_STRIP_TRAILING_WHITESPACE)
sql("${kayit}" "INSERT INTO PersonelBilgileriTablosu (AdiSoyadi) VALUES ('Ayşe IŞIK')" _)
execute_process(COMMAND touch -d "-1 day" "${kayit}")
baslat()
execute_process(COMMAND chattr -R -i "${hedef}" ERROR_QUIET)

file(GLOB_RECURSE sonra LIST_DIRECTORIES true "${hedef}/*")
if(NOT once STREQUAL sonra)
  message(FATAL_ERROR "Kurulu program kurulum klasörüne yazdı")
endif()
if(NOT ilk_kayit MATCHES "^${yapilan} ")
  message(FATAL_ERROR "Hesabın kayıt defteri ilk veritabanından oluşturulmadı")
endif()
if(NOT izin STREQUAL "664")
  message(FATAL_ERROR "Kayıt defteri umask 002 ile ${izin} izinleriyle oluşturuldu")
endif()
foreach(dosya "${kayit}" "${yedek}")
  sql("${dosya}" "SELECT AdiSoyadi FROM PersonelBilgileriTablosu" kisiler)
  if(NOT kisiler STREQUAL "Ayşe IŞIK")
    message(FATAL_ERROR "İkinci açılıştan sonra ${dosya} içindeki kişiler: ${kisiler}")
  endif()
endforeach()

# The tool behind the initial file: "--yoksa" leaves a file that is there alone, and without it
# the tool refuses to write over one.
set(vtb "${ev}/Tsr.vtb")
file(WRITE "${vtb}" "kullanıcının verisi")
file(SHA256 "${vtb}" once)
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

file(REMOVE_RECURSE "${hedef}" "${ev}")
