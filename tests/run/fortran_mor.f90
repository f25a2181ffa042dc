! A tiny console program that asks MOR's questions the way the model
! programs do, with list-directed writes (each line begins with a blank) and
! formatted reads. It shows what it was answered and the two variables that
! tell a Fortran runtime to write at once.
program mor
  character(len=256) :: root, hydrology, replace, enter, unbuffered, buffered
  call get_environment_variable('GFORTRAN_UNBUFFERED_PRECONNECTED', unbuffered)
  call get_environment_variable('FORT_BUFFERED', buffered)
  write(*,*) 'Enter root of input and output file names.'
  read(*,'(A)') root
  write(*,*) 'Enter root of hydrology file names if different.'
  read(*,'(A)') hydrology
  if (len_trim(hydrology) == 0) hydrology = root
  write(*,*) 'Yes(Y), No(N), Replace All(A)'
  read(*,'(A)') replace
  write(*,'(6A)') 'Reading ', trim(root), '.DAT ', trim(hydrology), '.FLO ', trim(replace)
  write(*,'(3A)') trim(unbuffered), ' ', trim(buffered)
  write(*,*) 'Exit QARN-MOR'
  write(*,*) 'Press enter to exit.'
  read(*,'(A)') enter
end program mor
