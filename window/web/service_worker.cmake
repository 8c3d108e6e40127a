# cmake -DSITE=DIR -DFILES=a,b -DPROJECT_VERSION=V -DTEMPLATE=sw.js.in -P service_worker.cmake:
# writes DIR/sw.js, naming the files it keeps and its copy of them by the files' contents.
set(contents "")
string(REPLACE "," ";" FILES "${FILES}")
foreach(file IN LISTS FILES)
  file(MD5 ${SITE}/${file} sum)
  string(APPEND contents ${sum})
  list(APPEND quoted "'${file}'")
endforeach()
string(MD5 IMC_SITE_STAMP "${contents}")
string(SUBSTRING ${IMC_SITE_STAMP} 0 12 IMC_SITE_STAMP)
list(JOIN quoted ", " IMC_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
