# The toolkit's configure options for the builds of its base library from source (MinGW-w64, libc++): every
# optional part off but those the plug-in, the tools and the tests use, so that a fresh machine builds only
# what is linked. Sourced by the build scripts.
# Used: strings and their conversions, files and file names, text files, file configs, log, date and time,
# stop watch, standard paths, dynamic libraries, string streams, events, the locale-independent number
# conversions (xlocale); threads and exceptions stay as a default build has them. On Windows the config and the
# date code use the registry class, which the Unix builds ignore.
wx_base_options=(
  --disable-gui --enable-shared --disable-monolithic --without-subdirs
  --disable-all-features
  --enable-exceptions --enable-threads --enable-log --enable-longlong --enable-printfposparam
  --enable-file --enable-ffile --enable-textbuf --enable-textfile --enable-streams --enable-config
  --enable-datetime --enable-stopwatch --enable-stdpaths --enable-dynlib --enable-dynamicloader
  --enable-intl --enable-xlocale --enable-fontmap --enable-regkey
  --without-zlib --without-expat --without-regex --without-liblzma --without-libcurl
)
