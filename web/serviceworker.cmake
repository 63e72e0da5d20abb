# Writes the page's service worker: SITE/sw.js from TEMPLATE, with the list FILES (paths in
# SITE) and a version that is a hash of their names and contents. Run with cmake -P after the
# page's files are in SITE, so that any change to any of them, the WebAssembly included, makes
# a new version.
set(manifest "")
foreach(file IN LISTS FILES)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND manifest "${file} ${hash}\n")
endforeach()
string(SHA256 version "${manifest}")
string(SUBSTRING "${version}" 0 16 TAVREL_WEB_VERSION)
list(JOIN FILES " " TAVREL_WEB_FILES)
# The build minifies it afterwards, as it does the page's other scripts.
file(READ "${TEMPLATE}" text)
string(CONFIGURE "${text}" text @ONLY)
file(WRITE "${SITE}/sw.js" "${text}")
