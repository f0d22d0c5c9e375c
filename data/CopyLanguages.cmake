file(GLOB languages ${SRC}/lingue.txt ${SRC}/*.lng)
foreach(f ${languages})
  file(COPY ${f} DESTINATION ${DST})
endforeach()
